#include "platform/ini/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TIniFile ini =
        TIniFile::FromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    ini.ReadString(QStringLiteral("Base_de_Datos"), QStringLiteral("rutabd"));
    return 0;
}
