// Opening a sound notes file again and again while another program keeps
// opening it, saving, compacting it and quitting: every open either works
// or says to open again, and none calls the file damaged.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/db/db_errors.h"
#include "tests/platform/db/db_test_support.h"
#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

// The other program, for as long as it lives: a session of a few saves
// (texts of new lengths, so pages are freed and taken), then it quits,
// often compacting the file first, as Tandril's own menu does.
[[noreturn]] void WriteForEver(const std::string& FileName, uint32_t Seed)
{
    TRandom random(Seed);
    for (;;) {
        try {
            TADOConnection session(nullptr);
            session.SetConnectionString("Data Source=" + FileName);
            session.Open();
            for (int save = 0; save < 5; ++save) {
                const int id = random.Between(1, 40);
                session.Execute("update Contents set 内容 = printf('%." + std::to_string(random.Between(10, 30000)) +
                                "c', '說') where 标识 = " + std::to_string(id));
            }
            session.Close();
            if (random.Chance(40))
                CompactDatabaseFile(FileName);
        } catch (const Exception&) {
            // Refused for now (this program had the file open); later.
        }
    }
}

class DbOpenBesideWriterTest : public NotesDbTest {};

}  // namespace

TEST_F(DbOpenBesideWriterTest, NoOpenCallsTheFileDamagedOrFailsWithoutSayingToOpenAgain)
{
    for (int id = 1; id <= 40; ++id) {
        Execute("insert into Nodes values (" + std::to_string(id) + ", 'n', 0, 1)");
        Execute("insert into Contents (标识, 内容) values (" + std::to_string(id) + ", printf('%.20000c', 'x'))");
    }
    connection_->Close();
    for (const uint32_t seed : SessionSeeds(SeedRange(1, 20), 1)) {
        SCOPED_TRACE(seed);
        // Forked with no connection open here: the other program inherits
        // no memory of this one's locks.
        const pid_t other = fork();
        if (other == 0)
            WriteForEver(FileName(), seed);
        int opened = 0;
        std::string faults;
        for (int round = 0; round < 200 && faults.size() < 2000; ++round) {
            try {
                connection_->Open();
                ++opened;
                connection_->Close();
            } catch (const EDatabaseFileError& e) {
                faults += "called damaged: " + e.Message().substr(0, 300) + "\n";
            } catch (const EDatabaseError& e) {
                if (e.Message().find("再打开一次") == AnsiString::npos)
                    faults += "failed: " + e.Message() + "\n";
            }
        }
        kill(other, SIGKILL);
        waitpid(other, nullptr, 0);
        EXPECT_EQ(faults, "");
        EXPECT_GT(opened, 100);
        connection_->Open();
        connection_->CheckIntegrity();
        connection_->Close();
    }
}
