#include "orderdata/PhotoList.h"

#include <algorithm>
#include <utility>

#include "orderdata/ListGrowth.h"
#include "orderdata/TextCase.h"

namespace orelle {

namespace {

using CountIndex = std::unordered_map<std::string, std::int32_t>;

void CountIn(CountIndex& index, const std::string& text) { ++index[ToLowerAscii(text)]; }

void CountOut(CountIndex& index, const std::string& text) {
    auto it = index.find(ToLowerAscii(text));
    if (it != index.end() && --it->second <= 0) index.erase(it);
}

}  // namespace

void PhotoList::IndexAdd(const PhotoRecord& r) {
    CountIn(customerFiles_, r.origPath);
    CountIn(dstNames_, r.dstName);
}

void PhotoList::IndexRemove(const PhotoRecord& r) {
    CountOut(customerFiles_, r.origPath);
    CountOut(dstNames_, r.dstName);
}

void PhotoList::Append(std::unique_ptr<PhotoRecord> record) {
    InsertAt(GetSize(), std::move(record));
}

void PhotoList::InsertAt(std::int32_t index, std::unique_ptr<PhotoRecord> record) {
    if (!record) return;
    IndexAdd(*record);
    ReserveForAppend(records_);
    std::size_t at = std::clamp<std::int64_t>(index, 0, GetSize());
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at), std::move(record));
}

void PhotoList::RemoveAt(std::int32_t index) {
    if (index < 0 || index >= GetSize()) return;
    IndexRemove(*records_[static_cast<std::size_t>(index)]);
    records_.erase(records_.begin() + index);
}

void PhotoList::AppendFrom(PhotoList& other) {
    records_.reserve(records_.size() + other.records_.size());
    for (auto& r : other.records_) Append(std::move(r));
    other.records_.clear();
    other.customerFiles_.clear();
    other.dstNames_.clear();
}

void PhotoList::RemoveAll() {
    records_.clear();
    customerFiles_.clear();
    dstNames_.clear();
}

PhotoRecord* PhotoList::Find(std::int32_t index) {
    if (index < 0 || index >= GetSize()) return nullptr;
    return records_[static_cast<std::size_t>(index)].get();
}

bool PhotoList::ContainsCustomerFile(const std::string& path) const {
    return customerFiles_.count(ToLowerAscii(path)) != 0;
}

bool PhotoList::ContainsDstName(const std::string& lowerName) const {
    return dstNames_.count(lowerName) != 0;
}

void PhotoList::RenameRecord(std::int32_t index, std::string dstName) {
    PhotoRecord* r = Find(index);
    if (!r) return;
    CountOut(dstNames_, r->dstName);
    r->dstName = std::move(dstName);
    CountIn(dstNames_, r->dstName);
}

std::int32_t PhotoList::GetPCount() const {
    return static_cast<std::int32_t>(std::count_if(records_.begin(), records_.end(),
                                                   [](const auto& r) { return IsOrdered(*r); }));
}

void PhotoList::SetRecordGeometry(std::int32_t offsetX, std::int32_t offsetY, std::int32_t left,
                                  std::int32_t top, std::int32_t farX, std::int32_t farY,
                                  bool offsetsFlag, bool originFlag, std::int32_t index) {
    PhotoRecord* r = Find(index);
    if (!r) return;
    if (originFlag) {
        r->rcDst.left = left;
        r->rcDst.top = top;
    }
    if (offsetsFlag) {
        r->offsetSZX = offsetX;
        r->offsetSZY = offsetY;
    } else {
        r->rcDst.width = farX;
        r->rcDst.height = farY;
    }
}

}  // namespace orelle
