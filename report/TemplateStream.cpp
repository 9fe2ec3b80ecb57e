#include "report/TemplateStream.h"

#include <algorithm>

#include "report/ObjectRegistry.h"
#include "report/Report.h"
#include "report/StoredRange.h"
#include "report/StreamText.h"
#include "report/UniqueNames.h"

namespace report {
namespace {

constexpr int kEndPositionVersion = 24;
constexpr std::uint16_t kStoredTrue = 1;

bool isObjectTag(std::uint8_t tag) {
    return tag <= 10;
}

void selectStoredPrinter(const Report& report, PrinterLink* link) {
    if (!link || report.useDefaultPrinter) return;
    if (link->hasPrinter(report.printerName)) link->selectPrinter(report.printerName);
}

void addMissing(TemplateReadResult& result, const std::string& className) {
    if (std::find(result.missingClasses.begin(), result.missingClasses.end(), className) ==
        result.missingClasses.end())
        result.missingClasses.push_back(className);
}

struct ObjectRecordHeader {
    std::string className;
    std::size_t pageIndex = 0;
    std::size_t endPosition = 0;  // 0: not stored
};

ObjectRecordHeader readRecordHeader(platform::ByteReader& in, int version, std::uint8_t type) {
    const std::size_t recordStart = in.position();
    ObjectRecordHeader h;
    if (type == kAddInObject) h.className = readString(in, version);
    h.pageIndex = in.u8();
    if (version >= kEndPositionVersion) {
        const std::int32_t end = in.i32();
        // An end position must lie ahead of the record and inside the stream; anything else
        // would make the reader go back and loop over the same bytes.
        if (end != 0 && (end < 0 || static_cast<std::size_t>(end) <= recordStart ||
                         static_cast<std::size_t>(end) > in.size()))
            throw platform::StreamError("Invalid record end position");
        h.endPosition = static_cast<std::size_t>(end);
    }
    return h;
}

// Reads one ObjectRecord after its tag. Returns false when reading cannot go on (an unknown
// add-in in a stream without end positions).
bool readObjectRecord(Report& report, platform::ByteReader& in, int version, std::uint8_t type,
                      TemplateReadResult& result, UniqueNames& objectNames) {
    const ObjectRecordHeader h = readRecordHeader(in, version, type);
    auto skipRecord = [&] {
        if (h.endPosition) in.seek(h.endPosition);
        return h.endPosition != 0 || version < kEndPositionVersion;
    };

    std::unique_ptr<View> view;
    int trailingBytes = 0;
    if (type == kAddInObject) {
        const AddInClass cls = translateAddInClass(h.className);
        view = cls.plainMemo ? createBuiltInObject(kMemoObject) : createAddIn(cls.name);
        trailingBytes = cls.trailingBytes;
        if (!view) {
            addMissing(result, h.className);
            if (h.endPosition) in.seek(h.endPosition);
            return h.endPosition != 0;
        }
        if (!cls.plainMemo) view->setIntOption(-1);
    } else {
        view = createBuiltInObject(type);
    }
    if (!view) return skipRecord();  // ObjectTypes without a class
    if (h.pageIndex >= static_cast<std::size_t>(report.pageCount())) return skipRecord();

    View* added = report.page(static_cast<int>(h.pageIndex)).addObject(std::move(view));
    try {
        added->loadFromStream(in, version);
        in.skip(static_cast<std::size_t>(trailingBytes));
    } catch (const StoredValueError&) {
        throw;
    } catch (const platform::StreamError&) {
        // The object keeps what was read; reading resumes at the record's end when known.
        if (version >= kEndPositionVersion && !h.endPosition) throw;
    }
    if (added->name().empty())
        added->setName(objectNames.next(added->baseName()));
    else
        objectNames.use(added->name());
    if (h.endPosition) in.seek(h.endPosition);
    return true;
}

void writeObjectRecord(const View& view, std::size_t pageIndex, platform::ByteWriter& out) {
    out.u8(view.objectType());
    if (view.objectType() == kAddInObject) writeString(out, view.className());
    out.u8(static_cast<std::uint8_t>(pageIndex));
    const std::size_t endAt = out.position();
    out.i32(0);
    view.saveToStream(out);
    out.patchI32(endAt, static_cast<std::int32_t>(out.position()));
}

}  // namespace

TemplateReadResult readTemplateRecords(Report& report, platform::ByteReader& in, int version) {
    TemplateReadResult result;
    PrinterLink* link = report.printerLink();
    report.useDefaultPrinter = in.u16() != 0;
    report.twoPass = in.u16() != 0;
    report.printerName = readString(in, version);
    selectStoredPrinter(report, link);

    UniqueNames objectNames, pageNames;
    for (const auto& page : report.pages()) {
        pageNames.use(page->name());
        for (const auto& object : page->objects()) objectNames.use(object->name());
    }
    while (!in.atEnd()) {
        const std::uint8_t tag = in.u8();
        if (tag == kPageTag) {
            Page& page = report.addPage();
            page.loadFromStream(in, version);
            if (version < kEndPositionVersion)
                page.setName(pageNames.next("Page"));
            else
                pageNames.use(page.name());
            page.fitPaper(link);
        } else if (tag == kDictionaryTag) {
            report.dictionary.loadFromStream(in, version);
        } else if (tag == kExtensionTag) {
            break;  // no template extension is registered; nothing after it is read
        } else if (isObjectTag(tag)) {
            if (!readObjectRecord(report, in, version, tag, result, objectNames)) break;
        } else {
            throw platform::StreamError("Unknown record tag");
        }
    }
    for (const auto& page : report.pages())
        for (const auto& object : page->objects()) object->afterLoad();
    return result;
}

void writeTemplateRecords(const Report& report, platform::ByteWriter& out) {
    out.u16(report.useDefaultPrinter ? kStoredTrue : 0);
    out.u16(report.twoPass ? kStoredTrue : 0);
    const PrinterLink* link = report.printerLink();
    std::string printerName = report.printerName;
    if (link) printerName = link->isVirtualPrinter() ? kVirtualPrinterStreamName : link->currentPrinterName();
    writeString(out, printerName);
    for (const auto& page : report.pages()) {
        out.u8(kPageTag);
        page->saveToStream(out);
    }
    for (std::size_t i = 0; i < report.pages().size(); ++i)
        for (const auto& object : report.pages()[i]->objects()) writeObjectRecord(*object, i, out);
    out.u8(kDictionaryTag);
    report.dictionary.saveToStream(out);
}

std::string missingComponentsMessage(const std::vector<std::string>& classNames) {
    std::string message = "Report contains the following non-plugged components:\r";
    for (const auto& name : classNames) message += name + "\r";
    message += "You must include these components into your project.";
    return message;
}

std::unique_ptr<View> readPrintedObject(platform::ByteReader& in, int version, std::string* missingClass) {
    const std::uint8_t type = in.u8();
    std::unique_ptr<View> view;
    int trailingBytes = 0;
    if (type == kAddInObject) {
        const std::string stored = readString(in, version);
        const AddInClass cls = translateAddInClass(stored);
        view = cls.plainMemo ? createBuiltInObject(kMemoObject) : createAddIn(cls.name);
        trailingBytes = cls.trailingBytes;
        if (!view) {
            if (missingClass) *missingClass = stored;
            return nullptr;
        }
    } else {
        view = createBuiltInObject(type);
        if (!view) throw platform::StreamError("Unknown object type");
    }
    view->readRecord(in, version, RecordKind::Printing);
    in.skip(static_cast<std::size_t>(trailingBytes));
    return view;
}

}  // namespace report
