#include "platform/db/OdbcDatabase.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace orelle {
namespace {

using std::chrono::seconds;

// A statement gets this long, a login the settings' time-out: a server
// that stops answering costs at most that, never the station.
constexpr seconds kStatementTimeout{30};

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QVariant Bound(const Database::Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return Q(*text);
    if (const auto* whole = std::get_if<std::int64_t>(&value)) return QVariant(qlonglong(*whole));
    return QVariant(std::get<double>(value));
}

std::string Trimmed(const QVariant& value) {
    if (value.isNull()) return {};
    return value.toString().trimmed().toStdString();
}

// A deadlock victim (SQL Server's 1205) or a serialisation failure
// (PostgreSQL's texts; its driver's native codes say nothing of the kind).
bool Transient(const QSqlError& error) {
    if (!error.isValid()) return false;
    if (error.nativeErrorCode() == QLatin1String("1205")) return true;
    const QString text = error.databaseText();
    return text.contains(QLatin1String("deadlock"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("could not serialize"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("40001")) || text.contains(QLatin1String("40P01"));
}

bool Prepared(QSqlQuery& query, const std::string& sql,
              const std::vector<Database::Value>& values) {
    if (!query.prepare(Q(sql))) return false;
    for (const Database::Value& value : values) query.addBindValue(Bound(value));
    return query.exec();
}

// The thread that owns one Qt connection (Qt lets a connection serve only
// the thread that made it). Drivers may wait without end on a server that
// takes the connection and never answers (FreeTDS does, whatever its
// time-outs say), so each call is waited for only so long; after that the
// thread is given up: it finishes on its own, closes its connection and
// ends, and the connection counts as lost.
class ConnectionThread {
  public:
    explicit ConnectionThread(QString name) : shared_(std::make_shared<Shared>()) {
        shared_->name = std::move(name);
        std::thread([s = shared_] { Loop(*s); }).detach();
    }
    // Waits for a healthy connection to close, so that none outlives its
    // owner for long; a lost one is left to end on its own.
    ~ConnectionThread() {
        std::unique_lock lock(shared_->mutex);
        shared_->quit = true;
        shared_->wake.notify_all();
        if (!lost_) shared_->finished.wait_for(lock, seconds(5), [&] { return shared_->ended; });
    }
    ConnectionThread(const ConnectionThread&) = delete;
    ConnectionThread& operator=(const ConnectionThread&) = delete;

    const QString& Name() const { return shared_->name; }
    bool Lost() const { return lost_; }

    // Runs work on the thread with the connection's handle; false when the
    // connection is lost or the work did not end within timeout.
    // Waits until timeout, and never past the deadline. A call not begun
    // when its wait ends is never made: a statement given up (a COMMIT
    // above all) must not reach the server later.
    bool Call(std::function<bool(QSqlDatabase&)> work, seconds timeout) {
        if (lost_) return false;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline_) {
            lost_ = true;
            return false;
        }
        struct Outcome {
            bool givenUp = false;
            bool done = false;
            bool ok = false;
        };
        auto outcome = std::make_shared<Outcome>();
        std::unique_lock lock(shared_->mutex);
        shared_->tasks.push_back([outcome, work = std::move(work), s = shared_](QSqlDatabase& db) {
            {
                std::lock_guard begin(s->mutex);
                if (outcome->givenUp) return;
            }
            const bool ok = work(db);
            std::lock_guard done(s->mutex);
            outcome->ok = ok;
            outcome->done = true;
            s->finished.notify_all();
        });
        shared_->wake.notify_all();
        const auto until = std::min(now + timeout, deadline_);
        if (!shared_->finished.wait_until(lock, until, [&] { return outcome->done; })) {
            outcome->givenUp = true;
            lost_ = true;
            return false;
        }
        return outcome->ok;
    }

    void SetDeadline(std::chrono::steady_clock::time_point deadline) { deadline_ = deadline; }

  private:
    struct Shared {
        QString name;
        std::mutex mutex;
        std::condition_variable wake, finished;
        std::deque<std::function<void(QSqlDatabase&)>> tasks;
        bool quit = false;
        bool ended = false;
    };

    static void Loop(Shared& s) {
        {
            QSqlDatabase db;
            for (;;) {
                std::function<void(QSqlDatabase&)> task;
                {
                    std::unique_lock lock(s.mutex);
                    s.wake.wait(lock, [&] { return s.quit || !s.tasks.empty(); });
                    if (s.tasks.empty()) break;
                    task = std::move(s.tasks.front());
                    s.tasks.pop_front();
                }
                if (!db.isValid()) db = QSqlDatabase::database(s.name, false);
                task(db);
            }
            if (db.isOpen()) db.close();
        }
        QSqlDatabase::removeDatabase(s.name);
        std::lock_guard lock(s.mutex);
        s.ended = true;
        s.finished.notify_all();
    }

    std::shared_ptr<Shared> shared_;
    bool lost_ = false;
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
};

class OdbcDatabase final : public Database {
  public:
    explicit OdbcDatabase(QString name) : thread_(std::move(name)) {}

    // Adds the connection on its thread and logs in, waiting a little
    // longer than the login time-out the driver is given.
    bool Open(const OdbcSettings& settings, std::string* error) {
        auto why = std::make_shared<std::string>();
        const QString name = thread_.Name();
        const bool open = thread_.Call(
            [settings, name, why](QSqlDatabase&) {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
                if (!db.isValid()) {
                    *why = "the ODBC driver of Qt is not installed";
                    return false;
                }
                db.setDatabaseName(Q(OdbcConnectionString(settings)));
                db.setConnectOptions(
                    QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(settings.loginTimeoutSeconds));
                // The PostgreSQL driver's connect is not safe beside another in
                // the same process (a use after free inside it, under the
                // address sanitizer): one connects at a time.
                static std::mutex connecting;
                const std::lock_guard<std::mutex> one(connecting);
                if (db.open()) return true;
                *why = db.lastError().text().toStdString();
                return false;
            },
            seconds(settings.loginTimeoutSeconds + 2));
        if (!open && error) *error = thread_.Lost() ? "the server does not answer" : *why;
        return open;
    }

    bool Query(const std::string& sql, const std::vector<Value>& values,
               std::vector<Row>* rows) override {
        *transient_ = false;
        auto found = std::make_shared<std::vector<Row>>();
        const bool ok = thread_.Call(
            [sql, values, found, transient = transient_](QSqlDatabase& db) {
                QSqlQuery query(db);
                query.setForwardOnly(true);
                if (!Prepared(query, sql, values)) return Failed(*transient, query.lastError());
                const QSqlRecord record = query.record();
                std::vector<std::string> names;
                for (int i = 0; i < record.count(); ++i)
                    names.push_back(record.fieldName(i).toLower().toStdString());
                while (query.next()) {
                    Row row;
                    for (int i = 0; i < record.count(); ++i)
                        row[names[i]] = Trimmed(query.value(i));
                    found->push_back(std::move(row));
                }
                // A connection lost while the rows came is a failed statement.
                return !query.lastError().isValid() || Failed(*transient, query.lastError());
            },
            kStatementTimeout);
        *rows = ok ? std::move(*found) : std::vector<Row>{};
        return ok;
    }

    bool Execute(const std::string& sql, const std::vector<Value>& values) override {
        *transient_ = false;
        return thread_.Call(
            [sql, values, transient = transient_](QSqlDatabase& db) {
                QSqlQuery query(db);
                return Prepared(query, sql, values) || Failed(*transient, query.lastError());
            },
            kStatementTimeout);
    }

    bool Begin() override {
        *transient_ = false;
        return thread_.Call([](QSqlDatabase& db) { return db.transaction(); }, kStatementTimeout);
    }
    bool Commit() override {
        *transient_ = false;
        return thread_.Call(
            [transient = transient_](QSqlDatabase& db) {
                return db.commit() || Failed(*transient, db.lastError());
            },
            kStatementTimeout);
    }
    void Rollback() override {
        thread_.Call([](QSqlDatabase& db) { return db.rollback(); }, kStatementTimeout);
    }

    std::optional<std::string> CreateId() override {
        *transient_ = false;
        auto id = std::make_shared<std::string>();
        const bool ok = thread_.Call(
            [id, transient = transient_](QSqlDatabase& db) {
                QSqlQuery query(db);
                // The driver fills the output parameter only when given room.
                if (!query.prepare(QStringLiteral("{call DB_createID(?)}"))) return false;
                query.bindValue(0, QString(20, QLatin1Char(' ')), QSql::Out);
                if (!query.exec()) return Failed(*transient, query.lastError());
                const QVariant out = query.boundValue(0);
                if (out.isNull()) return false;
                *id = out.toString().trimmed().toStdString();
                return true;
            },
            kStatementTimeout);
        if (!ok) return std::nullopt;
        return *id;
    }

    void SetDeadline(std::chrono::steady_clock::time_point deadline) override {
        thread_.SetDeadline(deadline);
    }
    bool LastFailureTransient() const override { return *transient_; }

  private:
    // Set on the connection's thread by the failing call; read once the
    // call is over.
    static bool Failed(std::atomic<bool>& transient, const QSqlError& error) {
        transient = Transient(error);
        return false;
    }

    ConnectionThread thread_;
    std::shared_ptr<std::atomic<bool>> transient_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace

std::unique_ptr<Database> OdbcConnector::Connect(const OdbcSettings& settings, std::string* error) {
    static std::atomic<int> serial{0};
    auto database = std::make_unique<OdbcDatabase>(QStringLiteral("orelle-db-%1").arg(++serial));
    if (!database->Open(settings, error)) return nullptr;
    return database;
}

DatabaseConnector& DatabaseConnector::Default() {
    static OdbcConnector connector;
    return connector;
}

}  // namespace orelle
