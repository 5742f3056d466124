// Reading keys from any file: no crash, no undefined behaviour, and a value never spans lines.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fuzz::TInput input = fuzz::Parse(data, size);
    const QString path = fuzz::Folder() + QStringLiteral("/read.ini");
    fuzz::WriteBytes(path, input.Content);
    const QString fallback = QStringLiteral("\u3000none  ");
    for (const TProfileWrite& request : input.Requests) {
        const QString value = ReadProfileString(path, request.Section, request.Key, fallback);
        fuzz::Check(!fuzz::HasLineBreak(value), "a value read stays within its line");
        if (!input.Content.contains('='))
            fuzz::Check(value == QStringLiteral("\u3000none"), "a file without keys gives the default");
        fuzz::Check(value == ReadProfileString(path, request.Section.toLower(), request.Key.toUpper(), fallback),
                    "names match without regard to case");
    }
    return 0;
}
