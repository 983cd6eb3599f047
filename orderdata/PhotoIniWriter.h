#pragma once
// The job file photo.ini, written whole, GBK, CR LF after every line and no
// other text:
//
//   [orderinfo]
//   phone= mobile= user= username= sendaddr= bespeak= saleddh= memo=
//   uploaded=0
//   bSuccess=<1 placed, 0 not>
//   requir= backupDir= productlist= frate=<%d>
//   [photoid]
//   photonumb=<records in the list, ordered or not>
//
// then per record, numbered from 1 in list order:
//
//   [n]
//   historyID srcName dstName ffname operate number rcDstLeft rcDstTop
//   rcDstWidth rcDstHeight offsetSZX offsetSZY scale angle bBrowsed
//   productID autoadj specIndex exoch adddatetime
//
// each as key=value on its own line, numbers in decimal. ffname is the last
// folder name of origDir, '+' and origName. rcDstWidth and rcDstHeight are
// the record's far crop values, which hold the crop's width and height
// (see CropRect): they are written as they are, no difference is taken.
// Every CR and LF inside a text value is written as a space, so that no
// value can break the file's lines.

#include <string>
#include <string_view>

namespace orelle {

struct OrderInfo;
struct PhotoRecord;
class PhotoList;

// The file's bytes (GBK).
std::string FormatPhotoIni(const OrderInfo& info, bool placed, const PhotoList& list);

// Sets a header key's value (GBK) in the file's bytes; no value holds a
// line break, so the first line of the key is the header's. False when
// the key is not there.
bool SetPhotoIniHeaderValue(std::string* bytes, std::string_view key, std::string_view value);

// The folder part of ffname: the last folder name of origDir, a trailing
// separator dropped first ("DCIM/100CANON/" gives "100CANON").
std::string_view FfFolder(const PhotoRecord& record);

}  // namespace orelle
