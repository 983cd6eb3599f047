#include "submit/OrderPlacement.h"

#include "orderdata/CustomerMedia.h"
#include "orderdata/OrderFiles.h"
#include "orderdata/OrderNumberCheck.h"
#include "orderdata/PickupTime.h"
#include "orderdata/ProcessState.h"
#include "orderdata/ProductList.h"
#include "orderdata/RequirementText.h"
#include "orderdata/UploadPackage.h"
#include "orderdata/UprightCopies.h"
#include "orelle/CUpFileWnd.h"
#include "orelle/HostMessage.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/messages/HostLink.h"
#include "submit/BackOfficeRecord.h"
#include "submit/OrderExchange.h"
#include "submit/OrderPrompts.h"
#include "submit/OrderTexts.h"

namespace orelle {
namespace {

constexpr const char* kNoticeCaption = "特别提示：";
constexpr const char* kNotConfirmed = "订单确认失败!请再点下单按钮";
constexpr const char* kNoPackage = "订单提交失败!请再点下单按钮";
constexpr const char* kNothingToOrder = "订单中没有可冲印的规格,无法下单!\r\n请联系店员";
constexpr const char* kNumberUnusable = "订单号无效,无法保存订单!\r\n请联系店员";
constexpr const char* kNoWorkFolder = "本地订单号没有对应的照片目录,无法下单!\r\n请联系店员";

// Holds the process's order command for one run.
class PlacingGuard {
  public:
    explicit PlacingGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~PlacingGuard() { flag_ = false; }
    PlacingGuard(const PlacingGuard&) = delete;
    PlacingGuard& operator=(const PlacingGuard&) = delete;

  private:
    bool& flag_;
};

// The order's files go into the job's work folder: a local id (the
// host's) that names none would be booked and never written.
bool HasWorkFolder(const ProcessState& s, FileSystem& files) {
    const std::string& id = s.orderInfo.storeDDH;
    const OrderPaths paths{s.startup.config.dir, s.startup.date.dateStr};
    return IsUsableOrderNumber(id) && files.DirectoryExists(paths.WorkFolder(id));
}

const char* FinishName(PaperFinish finish) {
    return finish == PaperFinish::kGlossy ? "光面" : "绒面";
}

}  // namespace

OrderPlacement::OrderPlacement(ProcessState& state, const Services& services, OrderPrompts& prompts,
                               HostLink& host, Printers& printers)
    : state_(state), services_(services), prompts_(prompts), host_(host), printers_(printers) {}

PlacementResult OrderPlacement::Run() {
    ProcessState& s = state_;
    OrderSession& session = s.session;
    OrderInfo& info = s.orderInfo;
    if (s.photoList.GetSize() == 0 || s.bRefreshing || session.bPlacing ||
        s.photoList.GetPCount() == 0)
        return PlacementResult::kNothing;
    PlacingGuard guard(session.bPlacing);
    session.processingNumber = 0;
    if (session.bOrderPlaced) {
        prompts_.Notice("提示", "本次制作已经下单", 1);
        return PlacementResult::kAlreadyPlaced;
    }

    // The back office has numbered this order already: only its files are
    // written again, for that number.
    // An album order may have used the header meanwhile.
    if (!session.taken.number.empty()) {
        info.saleDDH = session.taken.number;
        return WriteTakenOrder();
    }
    if (!WaitingFilesWritten()) {
        prompts_.Notice("提示", kOrderFilesUnwrittenMessage, 2);
        return PlacementResult::kFailed;
    }
    if (!HasWorkFolder(s, services_.files)) {
        prompts_.Notice(kNoticeCaption, kNoWorkFolder, 2);
        return PlacementResult::kFailed;
    }

    const bool counted = session.nOrderType == 2;
    const bool package = counted || session.nOrderType == 1;
    const std::int32_t count = counted ? prompts_.PackageCount() : 0;
    const std::string stats = GetStatNoticeStr(s, counted ? 1 : 0);
    // Photos without a print size of the catalogue make no product list.
    if (session.ProductList.empty()) {
        prompts_.Notice("提示", kNothingToOrder, 2);
        return PlacementResult::kNothing;
    }
    const std::optional<std::string> typed = prompts_.Requirements(stats, session.OrderRequirement);
    if (!typed) return PlacementResult::kCancelled;
    session.OrderRequirement = RequirementFromTyped(*typed);
    const std::string summary =
        GetStatStr(s, count) + "\r\n订单要求:\r\n" + session.OrderRequirement;
    session.noticeLines +=
        static_cast<std::int32_t>(gbk::Length(session.OrderRequirement) / 33) + 3;

    if (s.startup.config.fcompress != 0) info.frate = prompts_.CompressionRate();
    const PaperChoice paper = session.nOrderType == 0 ? prompts_.Paper() : PaperChoice{};
    session.paperIndex = paper.paperIndex;
    session.paperName = paper.paperName;
    for (std::int32_t i = 0; i < s.photoList.GetSize(); ++i)
        s.photoList.At(i).exoch = static_cast<std::int32_t>(paper.finish);
    if (package) {
        AppendToCodes(session.ProductList, std::to_string(paper.paperIndex + 1));
        session.processingNumber = paper.paperIndex + 1;
    }
    if (paper.finish == PaperFinish::kMatte) AppendToCodes(session.ProductList, "0");

    const std::string finish = FinishName(paper.finish);
    OrderRequest request;
    request.summaryText = summary + "(" + finish + ")";
    request.localId = info.storeDDH;
    request.productList = session.ProductList;
    request.requirement = session.OrderRequirement;
    request.storeIndex = session.nStoreNumber;
    request.fixedMember = {session.memberAccount, session.memberPassword};
    const OrderPaths paths{s.startup.config.dir, s.startup.date.dateStr};
    request.record =
        std::make_shared<BackOfficeRecord>(services_.files, paths.WorkFolder(info.storeDDH));
    const std::optional<OrderOutcome> placed = RunOrderDialog(request);
    if (!placed) return PlacementResult::kCancelled;
    placedNumber_ = placed->orderNumber;
    // The customer's values stay for the next dialog even when the number
    // cannot be used.
    WriteIntoHeader(*placed);
    if (!IsUsableOrderNumber(placed->orderNumber)) {
        prompts_.Notice(kNoticeCaption, kNumberUnusable, 2);
        return PlacementResult::kFailed;
    }

    info.memo = summary + "(" + finish + "," + paper.paperName + ")\r\n" + session.OrderRequirement;
    info.requir = session.OrderRequirement;
    info.productlist = session.ProductList;
    session.taken = {placed->orderNumber, placed->closingNotice, paper.finish};
    return WriteTakenOrder();
}

std::optional<OrderOutcome> OrderPlacement::RunOrderDialog(const OrderRequest& request) {
    const OrderSession& session = state_.session;
    OrderExchange exchange({state_.startup.settingsFolder, services_.files, services_.http,
                            services_.database, state_.startup.config, state_.flags,
                            session.pUploadWnd ? session.pUploadWnd->GetUULOMCount() : 0,
                            [this](const char* text) { prompts_.DatabaseError(text); }},
                           backEnd);
    return prompts_.RunOrderDialog(request, exchange);
}

void OrderPlacement::WriteIntoHeader(const OrderOutcome& placed) {
    OrderInfo& info = state_.orderInfo;
    CustomerInfo& customer = info.customer;
    customer.username = placed.contactName;
    customer.phone = placed.telephone;
    customer.sendaddr = placed.address;
    customer.mobile = placed.mobile;
    if (!placed.memberCode.empty()) customer.user = placed.memberCode;
    info.bespeak = placed.appointment;
    info.storeid = placed.pickupPointId;
    info.saleDDH = placed.orderNumber;
    if (placed.paymentIndex) {
        info.paymode = *placed.paymentIndex;
        info.OrderAmount = static_cast<float>(placed.orderMoney);
        info.sendmode = placed.delivery ? 1 : 0;
        // The next dialog opens with it.
        state_.startup.config.pay = *placed.paymentIndex;
    }
}

PlacementResult OrderPlacement::WriteTakenOrder() {
    ProcessState& s = state_;
    const TakenOrder taken = s.session.taken;
    const FilesOutcome written = WritePlacedFiles(s.flags.verison_origdirfile == 1);
    if (written != FilesOutcome::kWritten) {
        prompts_.Notice(kNoticeCaption,
                        written == FilesOutcome::kNoPackage ? kNoPackage : kNotConfirmed, 2);
        return PlacementResult::kFailed;
    }
    s.session.taken = {};
    FinalNoticeFacts facts;
    facts.orderNumber = taken.number.empty() ? s.orderInfo.storeDDH : taken.number;
    facts.pickupLine = PickupLine(services_.clock.Now(), s.startup.config.pickup);
    if (placed) placed(facts.orderNumber, facts.pickupLine);
    // The receipt comes first, so that the notice can tell when it did
    // not come out.
    std::optional<ReceiptOutcome> receipt;
    if (s.startup.config.print == 1 && s.flags.IsDatabaseEdition())
        receipt = PrintLocalOrder(s, services_, printers_, taken.number, taken.finish, receiptPdf);
    facts.closingNotice = taken.closingNotice;
    facts.lines = s.session.noticeLines + 6;
    facts.receiptMissing = receipt && *receipt != ReceiptOutcome::kPrinted;
    // A card still in the reader goes home with its customer.
    facts.cardReminder = CardReminder(openedFolder, services_.files, services_.disks);
    prompts_.ShowFinalNotice(ComposeFinalNotice(facts));
    if (receipt) prompts_.ReportReceipt(*receipt);
    TellHost();
    return PlacementResult::kPlaced;
}

PlacementResult OrderPlacement::OnToxc() {
    OrderSession& session = state_.session;
    OrderInfo& info = state_.orderInfo;
    if (state_.bRefreshing || session.bPlacing) return PlacementResult::kNothing;
    PlacingGuard guard(session.bPlacing);
    if (session.bOrderPlaced) {
        prompts_.Notice("提示", "本次制作已经下单", 1);
        return PlacementResult::kAlreadyPlaced;
    }
    if (!HasWorkFolder(state_, services_.files)) {
        prompts_.Notice(kNoticeCaption, kNoWorkFolder, 2);
        return PlacementResult::kFailed;
    }
    const WebClient client = AlbumLoginClient(state_.startup.settingsFolder, services_.files,
                                              services_.http, state_.startup.config);
    const std::optional<AlbumLoginResult> login = prompts_.AlbumLogin(client);
    if (!login) return PlacementResult::kCancelled;
    const std::optional<std::string> album = prompts_.AlbumChoice(login->albumList);
    if (!album) return PlacementResult::kCancelled;

    if (!IsUsableOrderNumber(login->orderNumber)) {
        prompts_.Notice(kNoticeCaption, kNumberUnusable, 2);
        return PlacementResult::kFailed;
    }
    info.albumid = *album;
    info.saleDDH = login->orderNumber;
    const FilesOutcome written = WritePlacedFiles(false);
    // The album is this order's only: a print order placed again later is
    // no album order.
    info.albumid.clear();
    if (written != FilesOutcome::kWritten) {
        prompts_.Notice(kNoticeCaption, kNotConfirmed, 2);
        return PlacementResult::kFailed;
    }
    prompts_.Notice(kNoticeCaption, "成功提交!请等待上传相册!", 2);
    TellHost();
    return PlacementResult::kPlaced;
}

bool OrderPlacement::WaitingFilesWritten() {
    ProcessState& s = state_;
    if (!s.session.filesUnwritten) return true;
    const OrderPaths paths{s.startup.config.dir, s.startup.date.dateStr};
    const bool written =
        OrderFiles(paths, s.orderInfo, s.photoList, services_.files, services_.clock)
            .WriteOrderFiles(false);
    NoteOrderFilesWritten(s.session, written);
    return written;
}

OrderPlacement::FilesOutcome OrderPlacement::WritePlacedFiles(bool withPackage) {
    ProcessState& s = state_;
    // The lab takes the stored pixels: no copy goes to it turned.
    MakeCopiesUpright(services_.files, JobCopies(s.photoList, s.orderInfo.backupDir), kGoOn);
    const OrderPaths paths{s.startup.config.dir, s.startup.date.dateStr};
    OrderFiles files(paths, s.orderInfo, s.photoList, services_.files, services_.clock);
    // Every copy the order names, also those made since the load (a copy
    // command, an append given up), is on the disk before the order is.
    if (!services_.files.SyncFileSystem(paths.WorkFolder(s.orderInfo.storeDDH)))
        return FilesOutcome::kNotConfirmed;
    s.session.bOrderPlaced = true;
    // photo.ini holds the order's number before the mark and says it is
    // placed only after it, so that it never claims an order the day's
    // file does not.
    FilesOutcome outcome = FilesOutcome::kWritten;
    if (!files.WriteJobFile(false) || !files.ConfirmOrderFiles()) {
        outcome = FilesOutcome::kNotConfirmed;
    } else if (withPackage && !UploadPackage(paths, s.orderInfo, s.photoList, s.dirList,
                                             openedFolder, services_.files)
                                   .MakeOrigOrder()) {
        outcome = FilesOutcome::kNoPackage;
    } else if (!files.WriteDayEntry(true)) {
        outcome = FilesOutcome::kNotConfirmed;
    } else {
        // The order is placed; should this fail, the next start mends it.
        files.WriteJobFile(true);
    }
    if (outcome != FilesOutcome::kWritten) s.session.bOrderPlaced = false;
    return outcome;
}

void OrderPlacement::TellHost() {
    host_.Send(kMessageHandBack, state_.startup.date.DateNumber(), state_.orderInfo.historyID);
}

void SetOrderID(ProcessState& state, const std::string& localId, std::int32_t orderTag) {
    OrderInfo& info = state.orderInfo;
    OrderSession& session = state.session;
    StartNewOrder(state);
    info.storeDDH = localId;
    info.historyID = orderTag;
    const std::string code =
        state.photoList.GetSize() > 0 ? state.photoList.At(0).productID : std::string();
    session.nOrderType = code.rfind('A', 0) == 0 ? 2 : code.rfind('B', 0) == 0 ? 1 : 0;
}

UploaderHandOff SendNewOrder(const ProcessState& state, Uploader& uploader) {
    return uploader.NewOrder(state.startup.date.DateNumber(), state.orderInfo.historyID);
}

}  // namespace orelle
