#include "Previewer.h"

namespace report {

namespace {
TPreviewer*& Slot()
{
    static TPreviewer* previewer = nullptr;
    return previewer;
}
} // namespace

void SetStandardPreviewer(TPreviewer* previewer)
{
    Slot() = previewer;
}

TPreviewer* StandardPreviewer()
{
    return Slot();
}

} // namespace report
