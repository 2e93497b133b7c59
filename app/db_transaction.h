// One transaction of a user action: committed by Commit, rolled back when
// it goes out of scope uncommitted (an error on the way).
#pragma once

#include "platform/db/ado_connection.h"

class TDBTransaction {
public:
    explicit TDBTransaction(TADOConnection* Connection) : connection_(Connection) { connection_->BeginTrans(); }
    ~TDBTransaction()
    {
        if (open_ && connection_->InTransaction())
            connection_->RollbackTrans();
    }
    TDBTransaction(const TDBTransaction&) = delete;
    TDBTransaction& operator=(const TDBTransaction&) = delete;

    void Commit()
    {
        connection_->CommitTrans();
        open_ = false;
    }

private:
    TADOConnection* connection_;
    bool open_ = true;  // until committed
};
