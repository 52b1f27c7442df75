#pragma once

namespace report {

// Reports are laid out in millimetres; sizes the windows give in screen pixels
// are taken at 96 pixels per inch, as the report designer measured them.
constexpr double kMmPerInch = 25.4;
constexpr double kScreenDpi = 96.0;

// Texts are measured and drawn at this resolution, whatever the device, so that
// wrapping and page breaks are the same on screen, on paper and in a file.
constexpr double kTextDpi = 1200.0;

constexpr double PxToMm(double pixels)
{
    return pixels * kMmPerInch / kScreenDpi;
}

constexpr double MmToPx(double mm)
{
    return mm * kScreenDpi / kMmPerInch;
}

constexpr double TextUnitsToMm(double units)
{
    return units * kMmPerInch / kTextDpi;
}

constexpr double MmToTextUnits(double mm)
{
    return mm * kTextDpi / kMmPerInch;
}

} // namespace report
