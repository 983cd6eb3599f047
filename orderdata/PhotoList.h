#pragma once
// The photos of the job in job order. The list owns its records. No lock:
// the user-interface thread and the workers keep apart through the busy flag
// (a command that would change the list does nothing while a worker runs).
// A record's origPath must not change while it is in the list: the list
// keeps an index of them for ContainsCustomerFile. It keeps one of the
// dstName values too, for ContainsDstName: once a record is in the list its
// dstName changes only through RenameRecord.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "orderdata/PhotoRecord.h"

namespace orelle {

class PhotoList {
  public:
    PhotoList() = default;
    PhotoList(const PhotoList&) = delete;
    PhotoList& operator=(const PhotoList&) = delete;

    void Append(std::unique_ptr<PhotoRecord> record);
    // Inserts before the record at index; an index at or past the count appends.
    void InsertAt(std::int32_t index, std::unique_ptr<PhotoRecord> record);
    // Frees the record and closes the gap; an index outside the list does nothing.
    void RemoveAt(std::int32_t index);
    void RemoveAll();
    // Appends the records of other, in order, and leaves other empty.
    void AppendFrom(PhotoList& other);

    std::int32_t GetSize() const { return static_cast<std::int32_t>(records_.size()); }
    // index must lie in 0 .. GetSize()-1.
    PhotoRecord& At(std::int32_t index) { return *records_[static_cast<std::size_t>(index)]; }
    const PhotoRecord& At(std::int32_t index) const {
        return *records_[static_cast<std::size_t>(index)];
    }
    // nullptr outside the list.
    PhotoRecord* Find(std::int32_t index);

    // True when some record's origPath equals the path, ignoring letter case.
    bool ContainsCustomerFile(const std::string& path) const;
    // True when some record's dstName, lower-cased, equals lowerName. The
    // name is looked up as given: lower-case it first (ToLowerAscii).
    bool ContainsDstName(const std::string& lowerName) const;
    // Gives the record a new dstName and keeps the index in step; an index
    // outside the list does nothing. The caller checks the field's capacity.
    void RenameRecord(std::int32_t index, std::string dstName);
    // Records seen by the customer with at least one print: the order's photos.
    std::int32_t GetPCount() const;

    // Stores what the display placed: left and top when the origin flag is
    // set; then the offsets when the offsets flag is set, otherwise the two
    // far values. An index outside the list changes nothing.
    void SetRecordGeometry(std::int32_t offsetX, std::int32_t offsetY, std::int32_t left,
                           std::int32_t top, std::int32_t farX, std::int32_t farY, bool offsetsFlag,
                           bool originFlag, std::int32_t index);

  private:
    void IndexAdd(const PhotoRecord& r);
    void IndexRemove(const PhotoRecord& r);

    std::vector<std::unique_ptr<PhotoRecord>> records_;
    std::unordered_map<std::string, std::int32_t> customerFiles_;  // lower-cased origPath -> count
    std::unordered_map<std::string, std::int32_t> dstNames_;       // lower-cased dstName -> count
};

}  // namespace orelle
