// The operator list "operator.dat": 16-byte records, the last one may be
// short. The input is the file; the list read is written and read again.

#include "Ffuzzsupport.h"

#include "operators/Coperator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = InputBytes(data, size);
    const TOperatorList list = ReadOperatorList(WriteFuzzFile("operator.dat", bytes));
    Check(list.size() == (size + TOperator::RecordSize - 1) / TOperator::RecordSize,
          "one entry per record, a short last record included");
    for (size_t i = 0; i < list.size(); ++i) {
        const TOperator& o = list[i];
        Check(o.Record().size() == TOperator::RecordSize, "a record keeps 16 bytes");
        Check(o.Name().size() <= TOperator::MaxNameLength, "a name has at most 15 characters");
        Check(!o.Name().contains('\0'), "a name ends before its zero byte");
        const QByteArray asRead = bytes.mid(qsizetype(i) * TOperator::RecordSize,
                                            TOperator::RecordSize);
        Check(o.Record().startsWith(asRead), "a record keeps its bytes as read");
        Check(TOperator::FromName(o.Name()).Name() == o.Name(), "a name makes the same entry");
    }

    // Written back, the list is the input padded to whole records.
    const QString copy = FuzzDir() + "/operator-copy.dat";
    Check(WriteOperatorList(copy, list), "the list can be written");
    const QByteArray written = ReadFuzzFile(copy);
    Check(written.size() == qsizetype(list.size()) * TOperator::RecordSize, "whole records");
    Check(written.startsWith(bytes), "the records are written as read");
    Check(written.mid(bytes.size()).count('\0') == written.size() - bytes.size(),
          "the short last record is filled with zeros");
    const TOperatorList again = ReadOperatorList(copy);
    Check(again.size() == list.size(), "the same number of entries read back");
    for (size_t i = 0; i < list.size(); ++i)
        Check(again[i].Record() == list[i].Record(), "the same records read back");
    return 0;
}
