#include "CustomerTestSupport.h"

#include "customers/CustomerFile.h"
#include "fileformat/TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

using namespace ombrel;

namespace {

const Customer& at(const CustomerFile::Contents& read, size_t i)
{
    return *std::next(read.customers.begin(), std::ptrdiff_t(i));
}

std::vector<uint32_t> numbers(const CustomerDatabase& db)
{
    std::vector<uint32_t> result;
    db.customers().forEach([&](const Customer& c) { result.push_back(c.custno); });
    return result;
}

std::vector<std::string> surnames(const CustomerDatabase& db)
{
    std::vector<std::string> result;
    db.customers().forEach([&](const Customer& c) { result.push_back(c.surname.str()); });
    return result;
}

} // namespace

// ---- reading and writing ----------------------------------------------------

TEST(CustomerFile, ReadingIsLenient)
{
    const QByteArray text = "# a comment line\n"
                            "\n"
                            "  [7]  \r\n"
                            "\tname = ignored because the name has a blank\n"
                            "surname=Smith  \n"
                            "first=1 High Street|Little Wick\n"
                            "colour=blue\n"
                            "no equals sign here\n"
                            "=value without a name\n"
                            "[3]\n"
                            "[12\n" // no "]": the number stays 3
                            "company=Acme|Ltd\n"
                            "[20]\n" // no field: not added, but counted
                            "[5]\n"
                            "custno=9\n"           // a field that sets the number
                            "town=\tNewtown \t\n"; // the line is trimmed, not the value
    const CustomerFile::Contents read = CustomerFile::read(text);
    ASSERT_EQ(read.customers.size(), 3u);
    EXPECT_EQ(at(read, 0).custno, 7u);
    EXPECT_EQ(at(read, 0).name, "");
    EXPECT_EQ(at(read, 0).surname, "Smith");
    EXPECT_EQ(at(read, 0).address.first, "1 High Street\nLittle Wick");
    EXPECT_EQ(at(read, 1).custno, 3u);
    EXPECT_EQ(at(read, 1).company, "Acme\nLtd");
    EXPECT_EQ(at(read, 2).custno, 9u);
    EXPECT_EQ(at(read, 2).address.town, "\tNewtown");
    EXPECT_EQ(read.highest, 20u);
}

TEST(CustomerFile, MissingAndRepeatedNumbersAreMadeUnique)
{
    // Fields before any header, a header that is not a number, and a number
    // used twice: each gets a fresh number above the file's highest.
    const CustomerFile::Contents read = CustomerFile::read("surname=A\n[4]\nsurname=B\n"
                                                           "[x]\nsurname=C\n[4]\nsurname=D\n");
    ASSERT_EQ(read.customers.size(), 4u);
    EXPECT_EQ(at(read, 0).custno, 5u);
    EXPECT_EQ(at(read, 1).custno, 4u);
    EXPECT_EQ(at(read, 2).custno, 6u);
    EXPECT_EQ(at(read, 3).custno, 7u);
    EXPECT_EQ(read.highest, 7u);

    // At the top of the range the lowest free numbers are used instead of wrapping to 0.
    const CustomerFile::Contents top =
        CustomerFile::read("[4294967295]\nsurname=A\n[1]\nsurname=B\n[1]\nsurname=C\n");
    EXPECT_EQ(at(top, 2).custno, 2u);
}

TEST(CustomerFile, WindowsTextIsConverted)
{
    const CustomerFile::Contents read =
        CustomerFile::read("[1]\r\nsurname=Ren\xe9\r\ncompany=\x80 & \xa3\r\n");
    ASSERT_EQ(read.customers.size(), 1u);
    EXPECT_EQ(at(read, 0).surname, "Ren\xc3\xa9");
    EXPECT_EQ(at(read, 0).company, "\xe2\x82\xac & \xc2\xa3");
    // Valid UTF-8 is taken as it is; an overlong form is not valid.
    EXPECT_EQ(at(CustomerFile::read("surname=\xc2\xa3"), 0).surname, "\xc2\xa3");
    EXPECT_EQ(at(CustomerFile::read("surname=\xc0\xaf"), 0).surname, "\xc3\x80\xc2\xaf");
}

TEST(CustomerFile, WritesEveryFieldInOrder)
{
    Customer c;
    c.custno = 42;
    c.title = "Mrs";
    c.name = "Ann";
    c.surname = "Jones";
    c.company = "Jones & Co";
    c.address.first = "Flat 2\n10 Mill Lane";
    c.address.town = "Bath";
    c.address.postcode = "BA1 1AA";
    c.mobile = "07700 900123";
    QByteArray out;
    CustomerFile::write(c, out);
    EXPECT_EQ(out, QByteArray("\n[42]\ncompany=Jones & Co\ntitle=Mrs\nname=Ann\ninitial=\n"
                              "surname=Jones\nfirst=Flat 2|10 Mill Lane\ntown=Bath\ncounty=\n"
                              "postcode=BA1 1AA\nphone=\nfax=\nmobile=07700 900123\n"));

    // A CR LF line break, as an edit control gives it, is one line break too.
    c.address.first = "a\r\nb";
    out.clear();
    CustomerFile::write(c, out);
    EXPECT_TRUE(out.contains("first=a|b\n"));
    const CustomerFile::Contents back = CustomerFile::read(out);
    ASSERT_EQ(back.customers.size(), 1u);
    EXPECT_EQ(at(back, 0).address.first, "a\nb");
}

// The fields added later are written only when set, after the first ones, and
// read back from the database file and from a document alike.
TEST(CustomerFile, LaterFieldsOnlyWhenSet)
{
    Customer c;
    c.custno = 7;
    c.surname = "Ng";
    QByteArray plain;
    CustomerFile::write(c, plain);
    EXPECT_TRUE(plain.endsWith("mobile=\n"));

    c.email = "ng@example.com";
    c.vatNumber = "GB123456789";
    c.country = "GB";
    c.business = true;
    c.cisContractor = true;
    c.cisRate = 30;
    QByteArray out;
    CustomerFile::write(c, out);
    EXPECT_TRUE(out.endsWith("mobile=\nemail=ng@example.com\nvatno=GB123456789\ncountry=GB\n"
                             "business=1\ncisContractor=1\ncisRate=30\n"));
    const Customer back = at(CustomerFile::read(out), 0);
    EXPECT_EQ(back.vatNumber, "GB123456789");
    EXPECT_TRUE(back.business && back.cisContractor && !back.endUserNotice);
    EXPECT_EQ(back.cisRate, 30);

    Customer fromDocument;
    for (const auto& [key, value] : c.laterFields())
        EXPECT_TRUE(fromDocument.readValue(key, value)) << key;
    EXPECT_EQ(fromDocument.laterFields(), c.laterFields());
    // A rate the scheme does not have reads as the standard one.
    EXPECT_TRUE(fromDocument.readValue("cisRate", "25"));
    EXPECT_EQ(fromDocument.cisRate, Customer::DefaultCisRate);
}

// ---- the database -----------------------------------------------------------

using CustomerDatabaseTest = CustomerFixture;

TEST_F(CustomerDatabaseTest, DefaultLocationIsCreatedAndRemembered)
{
    SettingsStore::set(SettingKeys::CustomerDatabase, "");
    CustomerDatabase db;
    db.loadCustomerDatabase();
    const QString expected = qEnvironmentVariable("XDG_DATA_HOME") + "/Ombrel/Vorlane/Vorlane.vlc";
    EXPECT_EQ(SettingsStore::get(SettingKeys::CustomerDatabase).toQString(), expected);
    EXPECT_TRUE(QFileInfo(expected).dir().exists());
    EXPECT_EQ(db.customers().size(), 0);
    EXPECT_EQ(db.HighestCustomerNumber(), 0u);
}

TEST_F(CustomerDatabaseTest, NewCustomersAreNumberedAboveTheHighest)
{
    writeFile("\n[7]\nsurname=Seven\n\n[3]\nsurname=Three\n\n[9]\n");
    CustomerDatabase db;
    db.loadCustomerDatabase();
    EXPECT_EQ(db.HighestCustomerNumber(), 9u);
    EXPECT_EQ(numbers(db), (std::vector<uint32_t>{7, 3}));

    // Even a customer with every field empty is stored, and later saves of the
    // same document update that entry.
    Customer blank;
    db.storeCustomer(blank);
    EXPECT_EQ(blank.custno, 10u);
    blank.surname = "Later";
    db.storeCustomer(blank);
    EXPECT_EQ(numbers(db), (std::vector<uint32_t>{7, 3, 10}));
    EXPECT_EQ(surnames(db).back(), "Later");

    // A document bringing a number the database lacks is appended, and the
    // counter follows it so the next new customer cannot take its number.
    Customer foreign = customer("Al", "Far", 50);
    db.storeCustomer(foreign);
    EXPECT_EQ(db.HighestCustomerNumber(), 50u);
    Customer next;
    db.storeCustomer(next);
    EXPECT_EQ(next.custno, 51u);

    // The file is the database, byte for byte, and reads back the same.
    QByteArray expected;
    db.customers().forEach([&](const Customer& c) { CustomerFile::write(c, expected); });
    EXPECT_EQ(readFile(), expected);
    CustomerDatabase again;
    again.loadCustomerDatabase();
    EXPECT_EQ(numbers(again), (std::vector<uint32_t>{7, 3, 10, 50, 51}));
    EXPECT_EQ(again.HighestCustomerNumber(), 51u);
}

TEST_F(CustomerDatabaseTest, StoringReplacesTheCustomerWithTheSameNumber)
{
    writeFile("\n[1]\nsurname=One\nphone=1\n\n[2]\nsurname=Two\n");
    CustomerDatabase db;
    db.loadCustomerDatabase();
    Customer two = customer("", "Deux", 2);
    db.storeCustomer(two);
    EXPECT_EQ(surnames(db), (std::vector<std::string>{"One", "Deux"}));
    EXPECT_TRUE(readFile().contains("[2]\ncompany=\ntitle=\nname=\ninitial=\nsurname=Deux\n"));
}

TEST_F(CustomerDatabaseTest, WithoutALocationNothingIsWritten)
{
    CustomerDatabase db;
    db.loadCustomerDatabase();
    SettingsStore::set(SettingKeys::CustomerDatabase, "");
    Customer c = customer("A", "B");
    db.storeCustomer(c);
    EXPECT_EQ(c.custno, 1u);
    EXPECT_FALSE(db.saveCustomerDatabase());
    EXPECT_FALSE(QFile::exists(m_path));
}

// ---- failures leave the old file --------------------------------------------

TEST_F(CustomerDatabaseTest, AFullDiskLeavesTheOldFile)
{
    QByteArray old;
    for (int i = 1; i <= 200; ++i)
        old += "\n[" + QByteArray::number(i) + "]\nsurname=Customer number " +
               QByteArray::number(i) + "\n";
    writeFile(old);
    CustomerDatabase db;
    db.loadCustomerDatabase();

    // A file size limit makes every write past it fail as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Customer c = customer("New", "Person");
    QString error;
    const bool stored = db.storeCustomer(c, &error);
    const bool saved2 = db.saveCustomerDatabase();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(stored);
    EXPECT_TRUE(error.startsWith("The customer database " + m_path + " cannot be written now"))
        << error.toStdString();
    EXPECT_FALSE(saved2);
    EXPECT_EQ(readFile(), old);
    EXPECT_EQ(c.custno, 201u);
    EXPECT_EQ(db.customers().size(), 201);
    // The change is kept and goes out with the next save that can write.
    EXPECT_TRUE(db.saveCustomerDatabase());
    CustomerDatabase again;
    again.loadCustomerDatabase();
    EXPECT_EQ(again.customers().size(), 201);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left";
}

// ---- two copies of the program over one file --------------------------------

TEST_F(CustomerDatabaseTest, TwoCopiesKeepEachOthersCustomers)
{
    writeFile("\n[1]\nsurname=Shared\n");
    CustomerDatabase a;
    CustomerDatabase b;
    a.loadCustomerDatabase();
    b.loadCustomerDatabase();

    Customer fromA = customer("Ann", "A");
    a.storeCustomer(fromA);
    Customer fromB = customer("Bob", "B");
    b.storeCustomer(fromB);
    EXPECT_EQ(fromA.custno, 2u);
    EXPECT_EQ(fromB.custno, 3u) << "B takes in A's customer before choosing a number";

    // Each updates the shared customer; the later write wins for that customer only.
    Customer shared = customer("", "Shared by A", 1);
    a.storeCustomer(shared);
    Customer again = customer("Ann", "A again", 2);
    b.storeCustomer(again);

    CustomerDatabase reader;
    reader.loadCustomerDatabase();
    EXPECT_EQ(numbers(reader), (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(surnames(reader), (std::vector<std::string>{"Shared by A", "A again", "B"}));
    EXPECT_EQ(numbers(a), numbers(reader));
}

TEST_F(CustomerDatabaseTest, AClashingNumberMovesTheUnwrittenCustomer)
{
    writeFile("\n[1]\nsurname=Shared\n");
    CustomerDatabase a;
    CustomerDatabase b;
    a.loadCustomerDatabase();
    b.loadCustomerDatabase();

    // A cannot write (a live copy holds the lock) and gives out number 2...
    Customer fromA = customer("Ann", "Able");
    {
        QLockFile other(m_path + ".lock");
        ASSERT_TRUE(other.tryLock(0));
        a.setLockTimes(0, CustomerDatabase::DefaultStaleLockMs);
        a.storeCustomer(fromA);
        a.setLockTimes(CustomerDatabase::DefaultLockWaitMs, CustomerDatabase::DefaultStaleLockMs);
    }
    EXPECT_EQ(readFile(), QByteArray("\n[1]\nsurname=Shared\n"));
    EXPECT_EQ(fromA.custno, 2u);
    // ...while B writes its own customer 2.
    Customer fromB = customer("Bob", "Baker");
    b.storeCustomer(fromB);
    EXPECT_EQ(fromB.custno, 2u);

    // On A's next write the file's customer 2 stays; A's moves to 3, and A's
    // document, still holding 2, follows it.
    EXPECT_TRUE(a.saveCustomerDatabase());
    EXPECT_EQ(numbers(a), (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(surnames(a), (std::vector<std::string>{"Shared", "Baker", "Able"}));
    fromA.phone = "01234";
    a.storeCustomer(fromA);
    EXPECT_EQ(fromA.custno, 3u);
    // B's document with 2 still reaches B's customer.
    fromB.phone = "05678";
    a.storeCustomer(fromB);
    EXPECT_EQ(fromB.custno, 2u);
    // A document of A's still holding 2 whose customer was renamed since is
    // neither Ann nor Bob: it becomes a customer of its own, Bob stays.
    Customer renamed = customer("Ann", "Able-Smith", 2);
    a.storeCustomer(renamed);
    EXPECT_EQ(renamed.custno, 4u);

    CustomerDatabase reader;
    reader.loadCustomerDatabase();
    EXPECT_EQ(surnames(reader),
              (std::vector<std::string>{"Shared", "Baker", "Able", "Able-Smith"}));
    EXPECT_EQ(numbers(reader), (std::vector<uint32_t>{1, 2, 3, 4}));
}

TEST_F(CustomerDatabaseTest, AStaleLockIsTakenOver)
{
    // A lock file naming a process that no longer runs, as a crash leaves it.
    const qint64 deadPid = 4194000; // above any pid in use here
    QFile lock(m_path + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\nvorlane\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();

    CustomerDatabase db;
    db.loadCustomerDatabase();
    Customer c = customer("A", "B");
    db.storeCustomer(c);
    EXPECT_TRUE(readFile().contains("surname=B"));
}

namespace {

// Makes a file look as if it was last written a few seconds ago.
void backdate(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                                 QFileDevice::FileModificationTime));
}

} // namespace

TEST_F(CustomerDatabaseTest, ALockLeftHalfMadeIsTakenOverBeforeItGoesStale)
{
    // Killed while creating its lock file (still empty), or while taking over
    // a dead copy's lock (QLockFile's own takeover lock, also empty).
    const QByteArray deadHolder =
        "4194000\nvorlane\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    for (const QByteArray& content : {QByteArray(), deadHolder}) {
        for (const QString& name : {m_path + ".lock", m_path + ".lock.rmlock"}) {
            QFile file(name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            if (name.endsWith(".lock"))
                file.write(content);
            file.close();
            backdate(name);
        }
        CustomerDatabase db;
        db.setLockTimes(3000, 60000);
        db.loadCustomerDatabase();
        Customer c = customer("A", content.isEmpty() ? "Empty" : "Dead");
        db.storeCustomer(c);
        EXPECT_TRUE(readFile().contains("surname=" + c.surname.str() + "\n")) << c.surname.str();
        QFile::remove(m_path + ".lock.rmlock");
    }
}

TEST_F(CustomerDatabaseTest, ALiveCopysLockIsWaitedForHoweverOld)
{
    QLockFile held(m_path + ".lock");
    ASSERT_TRUE(held.tryLock(0));
    backdate(m_path + ".lock");

    CustomerDatabase db;
    db.setLockTimes(1200, 60000);
    db.loadCustomerDatabase();
    Customer c = customer("Waiting", "Copy");
    db.storeCustomer(c);
    EXPECT_FALSE(readFile().contains("surname=Copy\n"));
    EXPECT_TRUE(QFileInfo::exists(m_path + ".lock"));

    // Once the other copy lets go, the customer kept in memory is written.
    held.unlock();
    EXPECT_TRUE(db.saveCustomerDatabase());
    EXPECT_TRUE(readFile().contains("surname=Copy\n"));
}

// ---- paths and leftovers ------------------------------------------------------

TEST_F(CustomerDatabaseTest, APathThatIsNoPlainFileIsNeverOpenedNorReplaced)
{
    const QString pipe = m_dir.filePath(QStringLiteral("pipe.vlc"));
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString link = m_dir.filePath(QStringLiteral("link.vlc"));
    ASSERT_TRUE(QFile::link(pipe, link));
    const QString folder = m_dir.filePath(QStringLiteral("folder.vlc"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.vlc")));
    // Past the size the program reads: refused too, and not written over.
    const QString large = m_dir.filePath(QStringLiteral("large.vlc"));
    {
        QFile file(large);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(TextFile::MaxSize + 1));
    }
    const std::pair<QString, const char*> cases[] = {
        {pipe, "it is not a plain file"},
        {link, "it is not a plain file"},
        {folder, "it is a folder"},
        {large, "larger than 64 MB"},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path.toStdString());
        SettingsStore::set(SettingKeys::CustomerDatabase, OMString::fromQString(path));
        struct stat before = {};
        ASSERT_EQ(stat(path.toLocal8Bit().constData(), &before), 0);
        CustomerDatabase db;
        QString loadError, storeError, saveError;
        EXPECT_FALSE(db.loadCustomerDatabase(&loadError));
        Customer c = customer("New", "Person");
        EXPECT_FALSE(db.storeCustomer(c, &storeError));
        EXPECT_FALSE(db.saveCustomerDatabase(&saveError));

        EXPECT_EQ(db.customers().size(), 1) << "the change stays in memory";
        for (const QString& error : {loadError, storeError, saveError})
            EXPECT_TRUE(error.contains(QString::fromLatin1(reason))) << error.toStdString();
        struct stat after = {};
        ASSERT_EQ(stat(path.toLocal8Bit().constData(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_size, before.st_size);
        EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".lock")));
    }
}

TEST_F(CustomerDatabaseTest, TemporaryFilesOfAnInterruptedSaveGoWithTheNextWrite)
{
    QDir dir(m_dir.path());
    const auto touch = [&](const QString& name) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    for (const char* name :
         {"Vorlane.vlc.aBcDeF", "Vorlane.vlc.QwErTy", "Vorlane.vlc.aBcDe", "Vorlane.vlc.aBcDeFg",
          "Vorlane.vlc.aBc1eF", "Other.vlc.aBcDeF", "Vorlane.vlcXaBcDeF", "kept"})
        touch(QString::fromLatin1(name));
    ASSERT_TRUE(dir.mkdir(QStringLiteral("Vorlane.vlc.FoLdEr")));
    ASSERT_TRUE(dir.mkdir(QStringLiteral("sub")));
    touch(QStringLiteral("sub/Vorlane.vlc.aBcDeF"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("kept")),
                            dir.filePath(QStringLiteral("Vorlane.vlc.LiNkEd"))));

    CustomerDatabase db;
    db.loadCustomerDatabase();
    Customer c = customer("New", "Person");
    db.storeCustomer(c);

    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"Other.vlc.aBcDeF", "Vorlane.vlc", "Vorlane.vlc.FoLdEr",
                           "Vorlane.vlc.LiNkEd", "Vorlane.vlc.aBc1eF", "Vorlane.vlc.aBcDe",
                           "Vorlane.vlc.aBcDeFg", "Vorlane.vlcXaBcDeF", "kept", "sub"}));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("sub/Vorlane.vlc.aBcDeF"))));
}
