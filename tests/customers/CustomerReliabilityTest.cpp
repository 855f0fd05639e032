// The database file under crashes, concurrent copies and damaged input.
#include "CustomerTestSupport.h"

#include "customers/CustomerFile.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <random>
#include <set>

using namespace ombrel;

namespace {

class CustomerReliability : public CustomerFixture
{
protected:
    // The helper keeps its settings apart from ours.
    QProcess* startHelper(int count, const char* prefix)
    {
        auto* process = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   m_dir.filePath(QStringLiteral("helper-config")));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(CUSTOMER_SAVE_HELPER),
                       {m_path, QString::number(count), QString::fromLatin1(prefix)});
        m_processes.emplace_back(process);
        return process;
    }
    static bool waitForLine(QProcess& process, const QByteArray& start)
    {
        while (process.waitForReadyRead(20000) || process.canReadLine()) {
            while (process.canReadLine()) {
                if (process.readLine().startsWith(start))
                    return true;
            }
        }
        return false;
    }

    static QByteArray sampleDatabase(int customers)
    {
        QByteArray out;
        for (int i = 1; i <= customers; ++i) {
            Customer c;
            c.custno = uint32_t(i);
            c.name = OMString::format("Name%d", i);
            c.surname = OMString::format("Surname%d", i);
            c.address.first = "12 Long Road\nSouth End";
            c.address.town = "Anytown";
            c.phone = "01632 960000";
            CustomerFile::write(c, out);
        }
        return out;
    }

    std::vector<std::unique_ptr<QProcess>> m_processes;
};

} // namespace

TEST_F(CustomerReliability, AKilledSaveLeavesTheOldOrTheNewFile)
{
    const QByteArray old = sampleDatabase(4000);
    writeFile(old);
    QProcess* first = startHelper(1, "Killed");
    ASSERT_TRUE(waitForLine(*first, "saving"));
    ASSERT_TRUE(waitForLine(*first, "saved"));
    ASSERT_TRUE(first->waitForFinished());
    const QByteArray fresh = readFile();
    ASSERT_NE(fresh, old);
    ASSERT_TRUE(fresh.startsWith(old));

    // Kill the next runs somewhere between the start of the save and a little
    // after its usual end.
    QElapsedTimer timer;
    writeFile(old);
    QProcess* timed = startHelper(1, "Killed");
    ASSERT_TRUE(waitForLine(*timed, "saving"));
    timer.start();
    ASSERT_TRUE(timed->waitForFinished());
    const qint64 saveUs = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000);

    std::mt19937 random(20240611u);
    int sawOld = 0;
    int sawNew = 0;
    for (int round = 0; round < 40; ++round) {
        writeFile(old);
        QProcess* helper = startHelper(1, "Killed");
        ASSERT_TRUE(waitForLine(*helper, "saving"));
        QThread::usleep(std::uniform_int_distribution<qint64>(0, saveUs * 5 / 4)(random));
        helper->kill();
        helper->waitForFinished();
        const QByteArray now = readFile();
        ASSERT_TRUE(now == old || now == fresh)
            << "round " << round << ": " << now.size() << " bytes";
        (now == old ? sawOld : sawNew)++;
    }
    std::printf("old file %d times, new file %d times\n", sawOld, sawNew);

    // Whatever lock the last one left behind is taken over.
    CustomerDatabase db;
    db.loadCustomerDatabase();
    Customer c = customer("After", "Crash");
    db.storeCustomer(c);
    EXPECT_TRUE(readFile().contains("surname=Crash\n"));
}

TEST_F(CustomerReliability, RunningCopiesKeepEveryCustomer)
{
    writeFile(sampleDatabase(50));
    QProcess* a = startHelper(40, "Alpha");
    QProcess* b = startHelper(40, "Beta");
    QProcess* c = startHelper(40, "Gamma");
    for (QProcess* p : {a, b, c}) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0);
    }
    CustomerDatabase db;
    db.loadCustomerDatabase();
    EXPECT_EQ(db.customers().size(), 170);
    std::set<uint32_t> numbers;
    std::set<std::string> names;
    db.customers().forEach([&](const Customer& x) {
        numbers.insert(x.custno);
        names.insert(x.surname.str());
    });
    EXPECT_EQ(numbers.size(), 170u);
    EXPECT_EQ(*numbers.rbegin(), 170u);
    for (const char* prefix : {"Alpha", "Beta", "Gamma"}) {
        for (int i = 0; i < 40; ++i)
            EXPECT_TRUE(names.count(OMString::format("%s%d", prefix, i).str())) << prefix << i;
    }
}

TEST(CustomerFileDamage, EveryTruncationAndByteChangeReads)
{
    QFile sample(qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") +
                 QStringLiteral("/tests/corpus/customers/sample.vlc"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray bytes = sample.readAll();
    ASSERT_GT(bytes.size(), 200);
    const size_t whole = CustomerFile::read(bytes).customers.size();
    ASSERT_GE(whole, 3u);

    for (qsizetype n = 0; n <= bytes.size(); ++n) {
        const CustomerFile::Contents read = CustomerFile::read(bytes.left(n));
        ASSERT_LE(read.customers.size(), whole);
    }
    QByteArray changed = bytes;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        for (int value = 0; value < 256; ++value) {
            changed[i] = char(value);
            const CustomerFile::Contents read = CustomerFile::read(changed);
            // One byte can split a record in two or join two, no more.
            ASSERT_LE(read.customers.size(), whole + 1);
            std::set<uint32_t> unique;
            for (const Customer& c : read.customers)
                ASSERT_TRUE(unique.insert(c.custno).second && c.custno != 0);
        }
        changed[i] = bytes[i];
    }
}
