#pragma once
// The real order database with a look at every call before it goes out:
// the benchmarks count round trips with it, tests end the server's side of
// a connection at a chosen statement or lose a COMMIT's reply.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/Database.h"
#include "platform/db/OdbcDatabase.h"

namespace orelle::testing {

enum class DbCall { kConnect, kQuery, kExecute, kBegin, kCommit, kRollback, kCreateId };

class WatchedConnector final : public DatabaseConnector {
  public:
    // Called on the calling thread before each call; sql is empty for all
    // but queries and statements. Connections made earlier see changes.
    std::function<void(DbCall, const std::string& sql)> before;
    // A COMMIT takes on the server, but its reply is lost: the station
    // hears a failure.
    bool loseCommitReply = false;

    std::unique_ptr<Database> Connect(const OdbcSettings& settings, std::string* error) override {
        See(DbCall::kConnect, {});
        auto real = OdbcConnector().Connect(settings, error);
        if (!real) return nullptr;
        return std::make_unique<Connection>(*this, std::move(real));
    }

  private:
    void See(DbCall call, const std::string& sql) const {
        if (before) before(call, sql);
    }

    class Connection final : public Database {
      public:
        Connection(const WatchedConnector& owner, std::unique_ptr<Database> real)
            : owner_(owner), real_(std::move(real)) {}
        bool Query(const std::string& sql, const std::vector<Value>& values,
                   std::vector<Row>* rows) override {
            owner_.See(DbCall::kQuery, sql);
            return real_->Query(sql, values, rows);
        }
        bool Execute(const std::string& sql, const std::vector<Value>& values) override {
            owner_.See(DbCall::kExecute, sql);
            return real_->Execute(sql, values);
        }
        bool Begin() override {
            owner_.See(DbCall::kBegin, {});
            return real_->Begin();
        }
        bool Commit() override {
            owner_.See(DbCall::kCommit, {});
            return real_->Commit() && !owner_.loseCommitReply;
        }
        void Rollback() override {
            owner_.See(DbCall::kRollback, {});
            real_->Rollback();
        }
        std::optional<std::string> CreateId() override {
            owner_.See(DbCall::kCreateId, {});
            return real_->CreateId();
        }
        void SetDeadline(std::chrono::steady_clock::time_point deadline) override {
            real_->SetDeadline(deadline);
        }
        bool LastFailureTransient() const override { return real_->LastFailureTransient(); }

      private:
        const WatchedConnector& owner_;
        std::unique_ptr<Database> real_;
    };
};

}  // namespace orelle::testing
