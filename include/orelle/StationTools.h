#pragma once
// What orelle-kiosk's demonstration and set-up options, the benchmarks and
// the tests ask of the station beyond the host interface: an order placed
// without a person, the settings report, the set-up check and a trial
// order web server. Hosts do not need it; it is not installed with the
// host's headers.

#include <string>

#include "orelle/CPhotoWnd.h"
#include "orelle/Export.h"

namespace orelle {

class ORELLE_EXPORT StationTools {
  public:
    // Places the job's order without a person, for demonstrations and for
    // checking a shop's set-up: every dialog is accepted as it opens, with
    // the values it opens with (the order dialog's member is SetStoreid's);
    // works without a display. The receipt goes into receiptPdf when one
    // is named.
    struct UnattendedOrder {
        bool placed = false;
        std::string orderNumber;
        // The last text the station showed: the closing notice, or why the
        // order was not placed (for a job that never loaded, what the load
        // said).
        std::string shown;
    };
    static UnattendedOrder PlaceOrderUnattended(CPhotoWnd& wnd, const std::string& receiptPdf = {});

    // The job's local order number; empty before a job.
    static std::string LocalOrderNumber(const CPhotoWnd& wnd);
    // A placed order's answer waits for the page of the phone the job's
    // photos came from (a host without a person waits for it to be taken).
    static bool PhoneAnswerWaiting(const CPhotoWnd& wnd);
    // What the station uses with the settings it found, for the shop's
    // technician.
    static std::string SettingsText(const CPhotoWnd& wnd);

    // Reads the settings from a copy of those in use, made in folder, whose
    // web edition places orders with the order web server "HOST:PORT" (as
    // both servers), so that a server can be tried without changing the
    // shop's files. Only before any CPhotoWnd exists. False, with nothing
    // changed, when the address is not HOST:PORT or the copy fails.
    static bool UseWebServer(const std::string& hostPort, const std::string& folder);

    // Checks the settings in use as the station would use them: files,
    // catalogue, backup root, back office, receipt printer, uploader,
    // fonts, phone upload. Appends one line per finding to report; true
    // when everything holds. Places no order, writes nothing below the
    // backup root, prints nothing. Needs a QApplication (offscreen will
    // do); may take as long as the back office's time-outs.
    static bool CheckSetup(std::string* report);

    // The orders left pending below the backup root of the settings in
    // use: the jobs not marked placed that no running station holds. One
    // line each: "JOB DAY [SECTION] NUMBER", NUMBER the back office's when
    // it has the order, "-" for none.
    static std::string PendingOrders();
    // Completes the pending order of the job (its local order number)
    // under its own section with the number the back office gave, asking
    // the back office nothing. True when done; told says what was done or
    // why nothing was.
    static bool FinishOrder(const std::string& job, std::string* told);
    // The order tag of the job of that local order id: its own section of
    // today's order.ini; -1 when the job has no work folder or no section.
    static int JobOrderTag(const std::string& localId);
};

}  // namespace orelle
