// The update server against a local HTTP server of canned replies: the
// catalogue, a web firmware update and the program update check.
#include "AppFiles.h"
#include "Cli.h"
#include "CorvantaQT.h"
#include "QtPrompt.h"
#include "FirmwareSupport.h"
#include "SongSupport.h"
#include "TestSupport.h"
#include "WindowFixture.h"
#include "WebCatalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QMessageBox>
#include <QPushButton>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Answers each path with a canned reply of any status on 127.0.0.1, its body
// sent in pieces a given time apart (a slow server); other paths get a 404.
class CCannedServer {
public:
    struct Reply {
        int status = 200;
        QByteArray body;
        int pieces = 1;
        int gap_ms = 0;
    };
    // Runs before each piece of a body is sent, with the piece's number.
    std::function<void(int piece)> onPiece;
    CCannedServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { OnRequest(socket); });
        });
    }
    QString Url() const { return QString("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    void Serve(const QString& path, const Reply& reply) { m_replies[path] = reply; }

private:
    void OnRequest(QTcpSocket* socket)
    {
        QByteArray& request = m_requests[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        const Reply reply = m_replies.value(path, Reply{404, "missing"});
        QByteArray head = QString::asprintf("HTTP/1.1 %d Canned\r\nContent-Length: %d\r\nConnection: close\r\n",
                                            reply.status, reply.body.size())
                              .toLatin1();
        if (reply.status == 302)
            head += "Location: " + Url().toLatin1() + "/elsewhere\r\n";
        socket->write(head + "\r\n");
        SendPieces(socket, reply, 0);
    }
    // Piece by piece, each after the one before, then the close.
    void SendPieces(QTcpSocket* socket, const Reply& reply, int k)
    {
        const int step = (reply.body.size() + reply.pieces - 1) / std::max(reply.pieces, 1);
        if (k >= reply.pieces) {
            socket->disconnectFromHost();
            return;
        }
        if (onPiece)
            onPiece(k);
        socket->write(reply.body.mid(k * step, step));
        QTimer::singleShot(reply.gap_ms, Qt::PreciseTimer, socket, [=] { SendPieces(socket, reply, k + 1); });
    }

    QTcpServer m_server;
    QMap<QString, Reply> m_replies;
    QMap<QTcpSocket*, QByteArray> m_requests;
};

const char* const kCatalogue =
    "<?xml version=\"1.0\"?><root>"
    "<dir name=\"10001\"><file>rk_v1.0.0</file></dir>"
    "<dir name=\"10002\"><file>korvel_v1.2.4</file><file>korvel_v1.2.3</file>"
    "<dir name=\"..\"><file>escape_10002</file></dir></dir>"
    "<dir name=\"a\"><dir name=\"b\"><file>x_10002_v2.0</file></dir></dir>"
    "</root>";

// Waits until the program update check has been answered.
bool CheckAnswered(QSignalSpy& finished) { return finished.count() > 0 || finished.wait(10000); }

}  // namespace

TEST(WebCatalogue, VersionsFromNames)
{
    EXPECT_EQ(ParseVersionText("1.0.12"), 0x01000Cu);
    EXPECT_EQ(ParseVersionText("2"), 2u);
    EXPECT_EQ(ParseVersionText("1.2.3.4"), 0x01020304u);
    EXPECT_EQ(ParseWebVersion("looper_v1.0.12"), 0x01000Cu);
    EXPECT_EQ(ParseWebVersion("Looper-V2.1.0_beta"), 0x020100u);
    EXPECT_EQ(ParseWebVersion("looper_v1.3-rc1"), 0x0103u);
    EXPECT_EQ(ParseWebVersion("abc_1.2.0"), 0u);
    EXPECT_EQ(ParseWebVersion("X-V3.0"), 0x0300u);
}

TEST(WebCatalogue, EntriesOfTheModelWithSafePathsOnly)
{
    // The entries of kCatalogue: WebUpdate.TheCommandLineListsTheCatalogueAndAnEmptyOneIsReported.
    bool ok = false;
    EXPECT_TRUE(ParseCatalogue("<other/>", 10002, ok).empty());
    EXPECT_TRUE(ok) << "no root: an empty list, silently";
    ParseCatalogue("", 10002, ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(ParseCatalogue("<root><dir><file>10002</file></dir></root>", 10002, ok).empty())
        << "a dir without a name is skipped";
    // Download paths keep the entry's own bytes, percent-encoded.
    const auto named = ParseCatalogue("<root><dir name=\"10002\"><file>caf\xE9_v1.0</file>"
                                      "<file>\xE6\x9B\xB2_v2.0</file></dir></root>",
                                      10002, ok);
    ASSERT_EQ(named.size(), 2u);
    EXPECT_EQ(named[0].path, "/velmo_update/Firmware/10002/caf%E9_v1.0.dat");
    EXPECT_EQ(named[0].display, QString::fromLocal8Bit("caf\xE9_v1.0"));
    EXPECT_EQ(named[1].path, "/velmo_update/Firmware/10002/%E6%9B%B2_v2.0.dat");
}

TEST(Http, OnlyAFinishedStatus200WithinItsCapSucceeds)
{
    CCannedServer canned;
    canned.Serve("/big.bin", {200, QByteArray(2000, 'x')});
    // Six pieces a quarter second apart: each piece restarts the stall
    // timer, the deadline of the whole request still ends it.
    canned.Serve("/trickle", {200, "abcdef", 6, 250});
    canned.Serve("/moved", {302, "moved"});
    canned.Serve("/elsewhere", {200, "the other place"});
    canned.Serve("/nothing", {204, ""});
    // A 404 and a body in many pieces: through the window in WebUpdate below.
    struct Case {
        QString url;
        HttpLimits limits;
        QByteArray body;  // a failure leaves it empty
        const char* why;
    };
    const QString at = canned.Url();
    const HttpLimits plain{4096, 0, 30000};
    for (const Case& c : {Case{at + "/big.bin", plain, QByteArray(2000, 'x'), "within the cap"},
                          Case{at + "/big.bin", {1000, 0, 30000}, "", "over the cap"},
                          Case{"http://127.0.0.1:9/x", plain, "", "no server"},
                          Case{at + "/trickle", {4096, 600, 0}, "", "past its deadline"},
                          Case{at + "/trickle", {4096, 0, 1000}, "abcdef", "never stalled"},
                          Case{at + "/moved", plain, "", "a redirect is not followed"},
                          Case{at + "/nothing", plain, "", "204"}}) {
        SCOPED_TRACE(c.why);
        QByteArray body = "left over";
        EXPECT_EQ(CMyHttp::Instance().Get(c.url, body, c.limits), !c.body.isEmpty());
        EXPECT_EQ(body, c.body);
    }
}

const char* const kCataloguePath = "/velmo_update/Firmware/path.xml";
const char* const kNewest = "/velmo_update/Firmware/10002/korvel_v1.2.4.dat";
const char* const kNewVersion = "A new version(V1.80) is available, would you like to download ?";
const char* const kNotNewer =
    "The selected firmware version less or equal to the connected device, still update ?";

// The settings name the canned server, which serves the catalogue.
class WebUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(SettingsFilePath());
        WriteSetting("/Config/UpdateServer", server.Url());
        Put(kCataloguePath, kCatalogue);
    }
    void TearDown() override { QFile::remove(SettingsFilePath()); }
    void Put(const QString& path, const QByteArray& body) { server.Serve(path, {200, body}); }
    // A packed firmware of one section at 0x8000 for model, served at path.
    void PutFirmware(const QString& path, const QByteArray& image, const QString& model = "10002", int pieces = 1,
                     int gap_ms = 0)
    {
        const QString packed = PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x8000, 0xA000, 2048), image}}, {}, model);
        server.Serve(path, {200, ReadTestFile(packed), pieces, gap_ms});
    }
    // A window on the pedal with the catalogue's three entries of its model.
    std::unique_ptr<CorvantaQT> OpenWindow(CPedalRig& on)
    {
        auto window = std::make_unique<CorvantaQT>(on.midi);
        EXPECT_EQ(window->findChild<QComboBox*>("m_comNewSoftware")->count(), 3);
        prompt.Clear();
        return window;
    }
    static bool NoDownloadLeft() { return QDir(AppDir()).entryList({"~webfirmware*"}).isEmpty(); }

    CScriptedPrompt prompt;
    CCannedServer server;
    QTemporaryDir dir;
    CPedalRig rig{PedalFor(10002)};
};

TEST_F(WebUpdate, ListsTheModelsFirmwaresAndUpdatesFromOne)
{
    const QByteArray image = FirmwareImage(5000, 1);
    PutFirmware(kNewest, image);
    const auto window = OpenWindow(rig);
    auto* combo = window->findChild<QComboBox*>("m_comNewSoftware");
    EXPECT_EQ(combo->currentText(), "korvel_v1.2.4") << "the newest, first and chosen";
    window->OnUpdateFirmware();
    EXPECT_EQ(prompt.texts, QStringList({"Successful!"})) << "1.2.4 is newer than 1.2.3: no question";
    EXPECT_EQ(FlashBytes(rig.pedal, 0, 0x8000, image.size()), image);
    EXPECT_TRUE(NoDownloadLeft()) << "the download is removed";

    // Equal version: the question; a missing file: the download failure.
    prompt.Clear();
    combo->setCurrentIndex(1);
    prompt.answers.push_back(true);
    window->OnUpdateFirmware();
    EXPECT_EQ(prompt.texts, QStringList({kNotNewer, "Download firmware failed !", "Failed!"}));
    EXPECT_TRUE(NoDownloadLeft());

    // Downloaded, but the update fails: the download is removed as well.
    PutFirmware("/velmo_update/Firmware/10002/korvel_v1.2.3.dat", image, "10003");
    prompt.Clear();
    prompt.answers.push_back(true);
    window->OnUpdateFirmware();
    EXPECT_EQ(prompt.texts.mid(1), QStringList({"File not match the connected device,please confirm", "Failed!"}));
    EXPECT_TRUE(NoDownloadLeft());
}

TEST_F(WebUpdate, AnUnreadVersionAlwaysAsks)
{
    CPedalRig unread(PedalFor(10002, PedalMode::Update, -1));
    OpenWindow(unread)->OnUpdateFirmware();  // No to the question: nothing downloaded
    EXPECT_EQ(prompt.texts, QStringList({kNotNewer}));
}

// The download runs a nested event loop: neither the poll (a new port pair
// appears meanwhile, and the poll ticks twice) nor a second click of Update
// may act inside it.
TEST_F(WebUpdate, NothingElseRunsDuringASlowDownload)
{
    const QByteArray image = FirmwareImage(3000, 7);
    PutFirmware(kNewest, image, "10002", 10, 50);
    const auto window = OpenWindow(rig);
    CPollTicks ticks(window.get());
    std::unique_ptr<CSilentPorts> newcomer;
    uint32_t commandsBefore = 0, commandsDuring = 0;
    Operation during = OpIdle;
    QStringList boxesDuring;
    bool acted = false;
    server.onPiece = [&](int piece) {
        if (piece == 1) {
            commandsBefore = rig.pedal.CommandCount();
            newcomer = std::make_unique<CSilentPorts>(rig.midi, "Other Device");
            acted = !ticks.WaitFor(2);  // give up at once when the poll never ticks
        } else if (piece > 1 && !acted) {
            acted = true;
            window->OnUpdateFirmware();
            commandsDuring = rig.pedal.CommandCount();
            during = window->CurrentOperation();
            boxesDuring = prompt.texts;
        }
    };
    window->OnUpdateFirmware();
    server.onPiece = nullptr;
    EXPECT_EQ(during, OpFirmware) << "the second click came during the download";
    EXPECT_TRUE(boxesDuring.isEmpty()) << boxesDuring.join('|').toStdString();
    EXPECT_EQ(commandsDuring, commandsBefore) << "nothing sent to the pedal during the download";
    EXPECT_EQ(prompt.texts, QStringList({"Successful!"}));
    EXPECT_EQ(FlashBytes(rig.pedal, 0, 0x8000, image.size()), image);
}

// An empty catalogue body fails on the command line and in a box of the window.
TEST_F(WebUpdate, TheCommandLineListsTheCatalogueAndAnEmptyOneIsReported)
{
    const CliRun listed = RunCliCaptured({"catalogue"}, rig.midi);
    EXPECT_EQ(listed.exit, kExitOk);
    EXPECT_EQ(QString::fromStdString(listed.out),
              QString("korvel_v1.2.4\t%1/velmo_update/Firmware/10002/korvel_v1.2.4.dat\n"
                      "korvel_v1.2.3\t%1/velmo_update/Firmware/10002/korvel_v1.2.3.dat\n"
                      "x_10002_v2.0\t%1/velmo_update/Firmware/a/b/x_10002_v2.0.dat\n")
                  .arg(server.Url()));
    Put(kCataloguePath, "");
    const CliRun empty = RunCliCaptured({"catalogue"}, rig.midi);
    EXPECT_EQ(empty.exit, kExitFailed);
    EXPECT_EQ(empty.err, "Open web firmware info failed !\n");
    CorvantaQT window(rig.midi);
    EXPECT_TRUE(prompt.texts.contains("Open web firmware info failed !"));
}

// The version file: a newer version asks (and opens the download on Yes);
// anything else, missing or moved asks nothing.
TEST_F(WebUpdate, ProgramUpdateCheck)
{
    const std::pair<CCannedServer::Reply, QString> cases[] = {
        {{200, "version=1.8"}, kNewVersion},
        {{200, "name=x version=2.0\n"}, "A new version(V2.00) is available, would you like to download ?"},
        {{200, "version=1.7"}, ""}, {{200, "version=1.6"}, ""}, {{200, "version=2.0\nmore"}, ""},
        {{200, "version=nan"}, ""}, {{200, "version=inf"}, ""}, {{200, "2.0"}, ""},
        {{200, "version=9.0" + QByteArray(70 << 10, ' ')}, ""}, {{302, "version=9.0"}, ""}, {{404, "version=9.0"}, ""}};
    const QString download = server.Url() + "/Corvanta/Corvanta.exe";
    for (const auto& [reply, question] : cases) {
        SCOPED_TRACE(::testing::Message() << reply.status << " " << reply.body.left(20).toStdString());
        server.Serve("/Corvanta/ExeInfo.txt", reply);
        prompt.Clear();
        prompt.answers.push_back(true);
        CInProcessMidi midi;
        CorvantaQT window(midi);
        // The check's reply has been handled once its manager says finished.
        QSignalSpy finished(window.findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished);
        ASSERT_TRUE(CheckAnswered(finished));
        EXPECT_EQ(prompt.texts, question.isEmpty() ? QStringList() : QStringList({question, download}));
    }
}

// The check's reply lands inside a command (in a box, or between the flash
// chunks of an import): its question waits until the command is over, also
// when a close of the window was refused meanwhile. Asked at once when idle: above.
TEST_F(WebUpdate, TheProgramUpdateQuestionWaitsUntilTheWindowIsIdle)
{
    Put("/Corvanta/ExeInfo.txt", "version=1.8");
    const QString download = server.Url() + "/Corvanta/Corvanta.exe";
    const QString wav = SineWav(dir.filePath("a.wav"), 48000, 48000);
    for (const char* during : {"box", "import", "box then close"}) {
        SCOPED_TRACE(during);
        const bool import = QString(during) == "import";
        const bool close = QString(during) == "box then close";
        CorvantaQT window(rig.midi);
        window.findChild<QCheckBox*>("m_btnSelLocal")->setChecked(true);
        QSignalSpy finished(window.findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished);
        QStringList seenWhenAnswered;
        bool closed = true;
        auto awaitReply = [&] {
            EXPECT_TRUE(CheckAnswered(finished));
            seenWhenAnswered = prompt.texts;
            if (close)
                closed = window.close();
        };
        prompt.Clear();
        prompt.answers.push_back(true);
        if (import) {
            QMetaObject::Connection hook =
                QObject::connect(window.findChild<QProgressBar*>(), &QProgressBar::valueChanged, [&](int value) {
                    if (value > 0 && seenWhenAnswered.isEmpty())
                        awaitReply();
                });
            window.findChild<QListWidget*>()->setCurrentRow(0);
            prompt.files.push_back(wav);
            window.OnDownloadSong();
            QObject::disconnect(hook);
        } else {
            prompt.onBox = [&] {
                prompt.onBox = nullptr;
                awaitReply();
            };
            window.OnUpdateFirmware();  // "No update file selected !"
        }
        EXPECT_FALSE(seenWhenAnswered.contains(kNewVersion)) << "not asked inside the command";
        const QStringList command = import ? QStringList{"", "Successful !"} : QStringList{"No update file selected !"};
        // A close refused while the command runs leaves the window open: the question stays.
        EXPECT_NE(closed, close) << "the command runs to its end";
        EXPECT_TRUE(QTest::qWaitFor([&] { return prompt.texts.size() > command.size(); }, 5000));
        EXPECT_EQ(prompt.texts, command + QStringList({kNewVersion, download})) << "asked once, after the command";
    }
}

TEST_F(WebUpdate, TheProgramUpdateQuestionIsAQuestionOverTheWindowWithYesTheDefault)
{
    Put("/Corvanta/ExeInfo.txt", "version=1.8");
    CQtPrompt qt;
    InstallPrompt(&qt);
    CInProcessMidi midi;
    CorvantaQT window(midi);
    qt.SetDialogParent(&window);
    QSignalSpy finished(window.findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished);
    // The box's text, kind, parent and default button.
    QStringList seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = QStringList({box->text(), box->icon() == QMessageBox::Question ? "question" : "not a question",
                            box->parentWidget() == &window ? "over the window" : "elsewhere",
                            box->defaultButton() == box->button(QMessageBox::Yes) ? "Yes" : "not Yes"});
        box->button(QMessageBox::No)->click();
    });
    poll.start(20);
    const bool answered = CheckAnswered(finished);
    InstallPrompt(&prompt);
    ASSERT_TRUE(answered);
    EXPECT_EQ(seen, QStringList({kNewVersion, "question", "over the window", "Yes"}));
}

// Closing the window, or Cancel, while the first entry's firmware is still
// downloading (ten seconds) ends the download at once: nothing sent to the
// pedal, no download left behind.
TEST_F(WebUpdate, ClosingTheWindowEndsADownload)
{
    PutFirmware(kNewest, FirmwareImage(3000, 7), "10002", 50, 200);
    for (const bool close : {true, false}) {
        SCOPED_TRACE(close ? "close" : "Cancel");
        const auto window = OpenWindow(rig);
        window->show();
        auto* cancel = window->findChild<QPushButton*>("m_btnCancel");
        bool shown = false;
        server.onPiece = [&](int piece) {
            if (piece != 1)
                return;
            shown = cancel->isVisible();
            close ? void(window->close()) : cancel->click();
        };
        const uint32_t before = rig.pedal.CommandCount();
        QElapsedTimer clock;
        clock.start();
        window->OnUpdateFirmware();
        server.onPiece = nullptr;
        EXPECT_LT(clock.elapsed(), 5000) << "not the download's ten seconds";
        EXPECT_TRUE(shown) << "Cancel stands beside the bar during the download";
        EXPECT_EQ(prompt.texts, close ? QStringList() : QStringList({"Firmware update cancelled"}));
        EXPECT_EQ(rig.pedal.CommandCount(), before) << "nothing erased or written";
        EXPECT_EQ(window->CurrentOperation(), OpIdle);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->isVisible() != close; }, 5000)) << "a close comes after the command";
        EXPECT_TRUE(NoDownloadLeft());
    }
}
