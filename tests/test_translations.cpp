// The program in German: the window's texts, the command line's messages, and
// the command line's data, which stays English in every language.
#include "Cli.h"
#include "SongSupport.h"
#include "Translations.h"
#include "WindowFixture.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

// The translations are installed before the window opens and removed after
// the fixture's TearDown closed it.
class GermanWindow : public CSongWindowTest {
protected:
    void SetUp() override
    {
        german = std::make_unique<CTranslations>(kGerman, TRANSLATIONS_DIR);
        CSongWindowTest::SetUp();
    }
    QString Text(const char* button) const { return window->findChild<QPushButton*>(button)->text(); }

    std::unique_ptr<CTranslations> german;
};

TEST_F(GermanWindow, ShowsTheGermanTitleButtonsListAndQtsOwnButtons)
{
    // The boxes' Yes and No come from Debian's Qt translations.
    const QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
    const QStringList shown = {window->windowTitle(), Text("m_btnUpload"), Text("m_btnDownload"),
                               Text("m_btnDelete"), Text("m_btnCancel"),
                               window->findChild<QTabWidget*>()->tabText(0), list->item(0)->text(),
                               box.button(QDialogButtonBox::Yes)->text(), box.button(QDialogButtonBox::No)->text()};
    EXPECT_EQ(shown, QStringList({"Corvanta V1.7 - (Verbunden - KORVEL, Ver=V1.2.3)", " Exportieren ",
                                  " Importieren ", " Löschen     ", "Abbrechen", "Songs bearbeiten",
                                  "Song 001 -- (Leer)", "&Ja", "&Nein"}));
}

TEST(GermanCli, PrintsGermanMessagesAndTheEnglishDataByteForByte)
{
    CSongRig s{10002};
    PutFatPage(s.rig.pedal, 10002, 0, 10, true);
    PutFatPage(s.rig.pedal, 10002, 1, 11, false);
    const auto data = [&](const char* verb) { return RunCliCaptured({verb}, s.rig.midi).out; };
    const std::string list = data("list"), info = data("info");
    ASSERT_NE(list.find("Song 001 -- (Damaged)\nSong 002 -- (0.00  MB)\nSong 003 -- (Empty)\n"), std::string::npos);
    ASSERT_NE(info.find("(Connected - KORVEL"), std::string::npos);
    ASSERT_NE(info.find("space:    Used "), std::string::npos);

    const CTranslations german(kGerman, TRANSLATIONS_DIR);
    EXPECT_EQ(data("list"), list);
    EXPECT_EQ(data("info"), info);
    const CliRun refused = RunCliCaptured({"delete", "99", "--yes"}, s.rig.midi);
    EXPECT_EQ(refused.exit, kExitFailed);
    EXPECT_EQ(refused.err, "Platz 99 gibt es nicht: das Pedal hat die Plätze 1 bis 30\n");
}

// The program itself finds its translations from the locale of LANG.
TEST(GermanCli, TheProgramSpeaksTheLanguageOfLang)
{
    const QByteArray names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::pair<QByteArray, QByteArray>> saved;
    for (const QByteArray& name : names) {
        if (qEnvironmentVariableIsSet(name))
            saved.emplace_back(name, qgetenv(name));
        qunsetenv(name);
    }
    qputenv("LANG", "de_DE.UTF-8");
    const CliResult usage = RunCliBinary({"bogus"});
    const CliResult help = RunCliBinary({"--help"});
    qunsetenv("LANG");
    for (const auto& [name, value] : saved)
        qputenv(name, value);
    EXPECT_EQ(usage.exit, kExitUsage);
    EXPECT_TRUE(usage.err.startsWith("corvanta-cli: unbekannter Befehl 'bogus'\nAufruf: corvanta-cli")) << usage.err.toStdString();
    EXPECT_TRUE(help.out.startsWith("Aufruf: corvanta-cli [--port NAME] BEFEHL [ARGUMENTE]")) << help.out.toStdString();
}

}  // namespace
