// The exception list AUSNAHME.LST, which fills the exception menu. The input
// is the file.

#include "Ffuzzsupport.h"

#include "files/Fexceptionlist.h"
#include "files/Fexceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = InputBytes(data, size);
    std::vector<ExceptionMenuEntry> entries;
    const bool loaded = LoadExceptionMenu(WriteFuzzFile("AUSNAHME.LST", bytes), entries);
    Check(loaded == !bytes.isEmpty(), "only an empty list is refused");
    Check(entries.size() <= size_t(ExceptionListMaxLines), "at most 30 entries");
    int lastTag = 0;
    for (const ExceptionMenuEntry& e : entries) {
        Check(!e.text.isEmpty() && e.text.size() <= ExceptionTextMaxLength, "entry length");
        Check(!e.text.contains('\n') && !e.text.contains('\r') && !e.text.contains('\0'),
              "an entry is one line of text");
        Check(e.tag > lastTag && e.tag <= ExceptionListMaxLines, "tags 1..30, increasing");
        lastTag = e.tag;
        Check(ExceptionCode(e.text).size() == 4, "exception code size");
    }
    // An edit keeps what it is not asked to change.
    std::vector<QByteArray> texts;
    for (const ExceptionMenuEntry& e : entries)
        texts.push_back(e.text);
    QByteArray merged;
    Check(MergeExceptionList(bytes, texts, merged) && merged == bytes, "unchanged list kept");
    texts.push_back("NEW");
    if (MergeExceptionList(bytes, texts, merged)) {
        const std::vector<ExceptionMenuEntry> after = ExceptionMenuOf(merged);
        Check(after.size() >= texts.size() && after[texts.size() - 1].text == "NEW",
              "an added entry is shown");
    }
    return 0;
}
