#include "orderdata/PickupTime.h"

#include <QDateTime>
#include <cstdio>

namespace orelle {
namespace {

constexpr double kMaxHours = 24 * 366;

struct Window {
    int open = 0, close = 0;  // minutes of the day
};

std::optional<int> MinuteOfDay(const std::string& text) {
    int h = 0, m = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%d:%d%c", &h, &m, &extra) != 2) return std::nullopt;
    if (h < 0 || h > 24 || m < 0 || m > 59 || (h == 24 && m != 0)) return std::nullopt;
    return h * 60 + m;
}

std::optional<Window> OpeningHours(const std::string& text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) return std::nullopt;
    const QString from = QString::fromStdString(text.substr(0, dash)).trimmed();
    const QString to = QString::fromStdString(text.substr(dash + 1)).trimmed();
    const auto open = MinuteOfDay(from.toStdString());
    const auto close = MinuteOfDay(to.toStdString());
    if (!open || !close || *open % 1440 == *close % 1440) return std::nullopt;
    return Window{*open % 1440, *close % 1440};
}

bool IsOpen(const Window& w, int minute) {
    if (w.open < w.close) return minute >= w.open && minute < w.close;
    return minute >= w.open || minute < w.close;
}

QDateTime ToQt(const LocalTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

LocalTime FromQt(const QDateTime& d) {
    return {d.date().year(), d.date().month(),  d.date().day(),
            d.time().hour(), d.time().minute(), d.time().second()};
}

}  // namespace

std::optional<LocalTime> PickupTime(const LocalTime& placed, const PickupSettings& settings) {
    bool ok = false;
    const double hours = QString::fromStdString(settings.hours).trimmed().toDouble(&ok);
    if (!ok || !(hours >= 0 && hours <= kMaxHours)) return std::nullopt;  // NaN too
    QDateTime ready = ToQt(placed).addSecs(qRound64(hours * 3600));
    // Whole minutes, rounded up: the line shows no seconds.
    if (ready.time().second() > 0) ready = ready.addSecs(60 - ready.time().second());
    const std::optional<Window> w = OpeningHours(settings.open);
    if (w) {
        const int minute = ready.time().hour() * 60 + ready.time().minute();
        if (!IsOpen(*w, minute)) {
            // Closed ends only before the opening of the same day, except
            // after the closing of hours that end before midnight.
            QDate day = ready.date();
            if (w->open < w->close && minute >= w->close) day = day.addDays(1);
            ready = QDateTime(day, QTime(w->open / 60, w->open % 60));
        }
    }
    return FromQt(ready);
}

std::string PickupLine(const LocalTime& placed, const PickupSettings& settings) {
    const std::optional<LocalTime> t = PickupTime(placed, settings);
    if (!t) return {};
    const qint64 days =
        QDate(placed.year, placed.month, placed.day).daysTo(QDate(t->year, t->month, t->day));
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", t->hour % 100, t->minute % 100);
    std::string day;
    if (days == 1) {
        day = "明天";
    } else if (days > 1) {
        day = std::to_string(t->month) + "月" + std::to_string(t->day) + "日";
    }
    return "预计" + (day.empty() ? std::string(" ") : day + " ") + clock + " 后可取件";
}

}  // namespace orelle
