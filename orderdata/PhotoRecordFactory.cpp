#include "orderdata/PhotoRecordFactory.h"

#include "orderdata/DirList.h"
#include "orderdata/PrintCatalogue.h"
#include "orderdata/TextCase.h"
#include "platform/paths/Paths.h"

namespace orelle {

std::unique_ptr<PhotoRecord> CreatePhotoRecord(const std::string& srcName,
                                               const std::string& dstName,
                                               const std::string& customerPath,
                                               const RecordDefaults& defaults,
                                               const PrintCatalogue& catalogue, DirList& dirs) {
    auto r = std::make_unique<PhotoRecord>();
    r->srcName = srcName;
    r->dstName = dstName;
    r->origName = ToLowerAscii(paths::FileNamePart(customerPath));
    r->origDir = std::string(paths::DirectoryPart(customerPath));
    r->origPath = customerPath;
    r->specIndex = defaults.specIndex;
    r->number = defaults.number;
    r->operate = defaults.operate;
    r->bBrowsed = defaults.browsed;
    r->productID = catalogue.GetCode(defaults.specIndex);
    if (!FitsField(r->srcName, PhotoRecord::kSrcNameSize) ||
        !FitsField(r->dstName, PhotoRecord::kDstNameSize) ||
        !FitsField(r->origName, PhotoRecord::kOrigNameSize) ||
        !FitsField(r->origDir, PhotoRecord::kOrigDirSize) ||
        !FitsField(r->origPath, PhotoRecord::kOrigPathSize) ||
        !FitsField(r->productID, PhotoRecord::kProductIdSize)) {
        return nullptr;
    }
    dirs.AddIfAbsent(r->origDir);
    return r;
}

void SetRecordSpec(PhotoRecord& record, std::int32_t specIndex, const PrintCatalogue& catalogue) {
    if (record.productID == catalogue.GetCode(record.specIndex)) {
        record.productID = catalogue.GetCode(specIndex);
    }
    record.specIndex = specIndex;
}

}  // namespace orelle
