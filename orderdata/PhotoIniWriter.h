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

namespace orelle {

struct OrderInfo;
struct PhotoRecord;
class PhotoList;

// The file's text in UTF-8; the caller converts it to GBK.
std::string FormatPhotoIni(const OrderInfo& info, bool placed, const PhotoList& list);

// "DCIM\100CANON" and "img_1.jpg" give "100CANON+img_1.jpg".
std::string FfName(const PhotoRecord& record);

}  // namespace orelle
