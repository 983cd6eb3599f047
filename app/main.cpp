// orelle-kiosk: the host program. Runs the station in a kiosk frame; or
// saves one picture of it, or prints the settings. It sees the station
// only as a host does, through include/orelle.

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "KioskFrame.h"
#include "KioskLocks.h"
#include "ProgramOptions.h"
#include "QtChatter.h"
#include "StationCheck.h"
#include "orelle/CPhotoWnd.h"
#include "orelle/StationTools.h"

namespace {

// Runs then once the page refresh has ended and the cells are drawn.
void WhenReady(orelle::app::KioskFrame& frame, std::function<void()> then) {
    auto* timer = new QTimer(&frame);
    auto idleTicks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, &frame, [&frame, timer, idleTicks, then] {
        *idleTicks = frame.Busy() ? 0 : *idleTicks + 1;
        if (*idleTicks < 5) return;
        timer->stop();
        then();
    });
    timer->start(50);
}

// Pages to the end as a customer would before ordering, so that every
// photo is seen (a loaded photo is ordered once a page has shown it), then
// runs then.
void PageThrough(orelle::app::KioskFrame& frame, std::function<void()> then) {
    if (!frame.NextPage()) return then();
    WhenReady(frame, [&frame, then] { PageThrough(frame, then); });
}

// A receipt file can only be written into a folder that exists.
bool CanWriteInto(const std::string& file) {
    const QFileInfo info(QString::fromStdString(file));
    return info.absoluteDir().exists() && !info.isDir();
}

// Writes a file once the page is drawn, reports it and quits.
void WriteWhenReady(orelle::app::KioskFrame& frame, const std::string& file, int& status,
                    std::function<bool()> write) {
    WhenReady(frame, [file, &status, write] {
        if (!write()) {
            std::fprintf(stderr, "orelle-kiosk: cannot write %s\n", file.c_str());
            status = 1;
        } else {
            std::printf("%s\n", file.c_str());
        }
        QApplication::quit();
    });
}

std::string NotPlacedReason(const orelle::app::KioskFrame& frame,
                            const orelle::StationTools::UnattendedOrder& order) {
    if (!order.shown.empty()) return order.shown;
    return frame.PhotoCount() == 0 ? "the job has no photos" : "no photo is ordered";
}

// The phone's page, still open, takes the placed order's answer before the
// station goes (for a minute at most).
void QuitWhenPhoneAnswered(const orelle::app::KioskFrame& frame) {
    auto* poll = new QTimer(qApp);
    const QDateTime until = QDateTime::currentDateTime().addSecs(60);
    QObject::connect(poll, &QTimer::timeout, [poll, &frame, until] {
        if (frame.PhoneAnswerWaiting() && QDateTime::currentDateTime() < until) return;
        poll->stop();
        QApplication::quit();
    });
    poll->start(100);
}

// A job from a phone without a person: the address on a line of its own,
// and the kiosk ends with status 1 when no photo came.
orelle::CPhotoWnd::PhoneOptions PhoneSession(int seconds, int& status) {
    orelle::CPhotoWnd::PhoneOptions phone;
    phone.waitSeconds = seconds;
    phone.served = [](const std::string& address) {
        std::printf("phone %s\n", address.c_str());
        std::fflush(stdout);
    };
    phone.waiting = [](int onTheirWay) {
        std::printf("phone waiting %d\n", onTheirWay);
        std::fflush(stdout);
    };
    phone.ended = [&status](bool photos) {
        if (photos) return;
        std::fprintf(stderr, "orelle-kiosk: no photos came from the phone\n");
        status = 1;
        QApplication::quit();
    };
    return phone;
}

const char* const kUsage =
    "usage: orelle-kiosk [--config DIR] [--web HOST:PORT] [--folder DIR | --photos FILE...]\n"
    "                    [--screenshot FILE | --receipt-pdf FILE]\n"
    "       orelle-kiosk [--config DIR] [--web HOST:PORT] (--folder DIR | --photos FILE...)\n"
    "                    --place-order [--member CODE] [--password PW]\n"
    "                    [--order-id ID [--order-tag N]] [--receipt-pdf FILE]\n"
    "       orelle-kiosk [--config DIR] --phone-session [--phone-wait SECONDS]\n"
    "                    [--screenshot FILE | --place-order | --receipt-pdf FILE]\n"
    "       orelle-kiosk [--config DIR] [--web HOST:PORT] --settings | --check\n"
    "       orelle-kiosk [--config DIR] --pending | --finish JOB\n"
    "       orelle-kiosk --help | --version\n"
    "  --full-screen shows the kiosk over the whole screen\n"
    "  --config DIR reads the settings from DIR (else the program folder's,\n"
    "  or those of the installed station)\n"
    "  --web HOST:PORT places web orders with that order web server,\n"
    "  on a copy of the settings\n"
    "  --check checks the set-up and says what will fail (exit 0: all holds)\n"
    "  --pending lists the orders left pending below the backup root, one a line:\n"
    "  JOB DAY [SECTION] NUMBER (the back office's, - for none)\n"
    "  --finish JOB completes the pending order that the back office has of JOB\n"
    "  --order-id ID without --order-tag places under the job's own section\n";

int Usage() { return orelle::app::UsageError(kUsage); }

}  // namespace

int main(int argc, char** argv) {
    if (const int code = orelle::app::AnswerStandardOptions(argc, argv, "orelle-kiosk", kUsage);
        code >= 0)
        return code;
    std::string screenshot;
    std::string receiptPdf;
    std::vector<std::string> photos;
    std::string folder;
    bool settings = false;
    bool check = false;
    bool fullScreen = false;
    bool placeOrder = false;
    std::string member, password;
    std::string orderId;  // --order-id: the host's local order id (SetOrderID)
    int orderTag = -1;  // -1: the job's own section
    bool pending = false;
    std::string finish;
    const char* web = nullptr;
    int phoneWait = -1;  // --phone-session: seconds to wait for the phone
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
            orelle::CPhotoWnd::UseSettingsFolder(argv[++i]);
        } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else if (std::strcmp(argv[i], "--receipt-pdf") == 0 && i + 1 < argc) {
            receiptPdf = argv[++i];
        } else if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc) {
            folder = argv[++i];
        } else if (std::strcmp(argv[i], "--photos") == 0) {
            while (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0)
                photos.push_back(argv[++i]);
        } else if (std::strcmp(argv[i], "--place-order") == 0) {
            placeOrder = true;
        } else if (std::strcmp(argv[i], "--member") == 0 && i + 1 < argc) {
            member = argv[++i];
        } else if (std::strcmp(argv[i], "--password") == 0 && i + 1 < argc) {
            password = argv[++i];
        } else if (std::strcmp(argv[i], "--order-id") == 0 && i + 1 < argc) {
            orderId = argv[++i];
        } else if (std::strcmp(argv[i], "--order-tag") == 0 && i + 1 < argc) {
            orderTag = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--web") == 0 && i + 1 < argc) {
            web = argv[++i];
        } else if (std::strcmp(argv[i], "--phone-session") == 0) {
            if (phoneWait < 0) phoneWait = 600;
        } else if (std::strcmp(argv[i], "--phone-wait") == 0 && i + 1 < argc) {
            phoneWait = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--settings") == 0) {
            settings = true;
        } else if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (std::strcmp(argv[i], "--pending") == 0) {
            pending = true;
        } else if (std::strcmp(argv[i], "--finish") == 0 && i + 1 < argc) {
            finish = argv[++i];
        } else if (std::strcmp(argv[i], "--full-screen") == 0) {
            fullScreen = true;
        } else {
            return Usage();
        }
    }
    // The copy lives as long as the kiosk; --config, wherever it was given,
    // names the settings copied.
    // One station per settings folder; the set-up check and the settings
    // text may run beside it.
    const bool station = !settings && !check && !pending && finish.empty();
    const std::unique_ptr<orelle::app::StationLock> lock =
        station ? std::make_unique<orelle::app::StationLock>(orelle::CPhotoWnd::SettingsFolder())
                : nullptr;
    if (lock && lock->HeldElsewhere()) {
        std::fprintf(stderr, "orelle-kiosk: a station already runs on the settings in %s\n",
                     orelle::CPhotoWnd::SettingsFolder().c_str());
        return 1;
    }
    const std::unique_ptr<orelle::app::PrivateFolder> webSettings =
        web ? std::make_unique<orelle::app::PrivateFolder>() : nullptr;
    if (web && (!webSettings->IsValid() ||
                !orelle::StationTools::UseWebServer(web, webSettings->Path()))) {
        std::fprintf(stderr, "orelle-kiosk: cannot use the order web server %s\n", web);
        return Usage();
    }
    orelle::app::QuietQtChatter();
    if (check) return orelle::app::RunStationCheck(argc, argv);
    if (pending) {
        std::fputs(orelle::StationTools::PendingOrders().c_str(), stdout);
        return 0;
    }
    if (!finish.empty()) {
        std::string told;
        const bool finished = orelle::StationTools::FinishOrder(finish, &told);
        std::fprintf(finished ? stdout : stderr, "%s%s\n", finished ? "" : "orelle-kiosk: ",
                     told.c_str());
        return finished ? 0 : 1;
    }
    // A job of the host's numbering is placed under its own section, and
    // an id that names no job is refused before the back office is asked.
    if (!orderId.empty() && orderTag < 0) {
        orderTag = orelle::StationTools::JobOrderTag(orderId);
        if (orderTag < 0) {
            std::printf("order not placed: %s names no job of today with its folder and section\n",
                        orderId.c_str());
            return 1;
        }
    }
    if (settings) {
        // The flags are read as the window reads them.
        const orelle::CPhotoWnd station;
        std::fputs(orelle::StationTools::SettingsText(station).c_str(), stdout);
        return 0;
    }
    const bool fileOnly = !screenshot.empty() || !receiptPdf.empty() || placeOrder;
    if ((!receiptPdf.empty() || placeOrder) && photos.empty() && folder.empty() && phoneWait < 0)
        return Usage();
    if (!receiptPdf.empty() && !CanWriteInto(receiptPdf)) {
        std::fprintf(stderr, "orelle-kiosk: cannot write %s: not a file in a folder that exists\n",
                     receiptPdf.c_str());
        return 1;
    }
    // A picture or a receipt only: no display needed.
    if (fileOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    orelle::app::KioskFrame frame(photos, folder);
    if (fullScreen) {
        frame.showFullScreen();
    } else {
        frame.show();
    }
    int status = 0;
    // A station started again after a cut offers its customer's job before
    // anyone starts another.
    if (phoneWait < 0 && photos.empty() && folder.empty())
        QTimer::singleShot(0, &frame, [&frame] { frame.OfferLeftJob(); });
    if (phoneWait > 0) {
        if (!frame.StartPhone(PhoneSession(phoneWait, status))) return 1;
    } else if (fileOnly && (!photos.empty() || !folder.empty())) {
        frame.StartJob();
    }
    if (placeOrder) {
        WhenReady(frame, [&] {
            // A host that numbers its own orders, also one started again on
            // the order it was placing.
            if (!orderId.empty()) frame.SetOrderID(orderId, orderTag);
            PageThrough(frame, [&] {
                const orelle::StationTools::UnattendedOrder order =
                    frame.PlaceOrder(member, password, receiptPdf);
                if (order.placed) {
                    std::printf("order %s placed\n", order.orderNumber.c_str());
                } else {
                    std::printf("order not placed: %s\n", NotPlacedReason(frame, order).c_str());
                    status = 1;
                }
                std::fflush(stdout);
                QuitWhenPhoneAnswered(frame);
            });
        });
    } else if (!screenshot.empty()) {
        WriteWhenReady(frame, screenshot, status, [&frame, screenshot] {
            return frame.grab().save(QString::fromStdString(screenshot), "PNG");
        });
    } else if (!receiptPdf.empty()) {
        // The slip of the order the job makes once every photo was seen.
        WhenReady(frame, [&] {
            PageThrough(frame, [&] {
                WriteWhenReady(frame, receiptPdf, status,
                               [&frame, receiptPdf] { return frame.PrintReceipt(receiptPdf); });
            });
        });
    }
    const int code = app.exec();
    return status != 0 ? status : code;
}
