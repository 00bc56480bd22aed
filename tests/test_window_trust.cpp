// What the window tells a musician before, during and after a command, and
// that its terminal stays quiet.
#include "FirmwareSupport.h"
#include "SongSupport.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLoggingCategory>

namespace {

// The debug and information lines that reach the terminal, counted as the
// default message handler would print them.
class CTerminalTap {
public:
    CTerminalTap() { s_lines = 0; m_previous = qInstallMessageHandler(Count); }
    ~CTerminalTap() { qInstallMessageHandler(m_previous); }
    int Lines() const { return s_lines; }

private:
    static void Count(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtDebugMsg || type == QtInfoMsg)
            s_lines += text.count('\n') + 1;
    }
    static int s_lines;
    QtMessageHandler m_previous;
};
int CTerminalTap::s_lines = 0;

class WindowTrust : public CSongWindowTest {
protected:
    // An export, an import and a firmware update, as a short session.
    void Session()
    {
        Import(0, SineWav(dir.filePath("a.wav"), 48000, 48000));
        list->setCurrentRow(0);
        prompt.files.push_back(dir.filePath("out.wav"));
        window->OnUploadSong();
        window->findChild<QCheckBox*>("m_btnSelLocal")->setChecked(true);
        window->findChild<QLineEdit*>("m_editPath")
            ->setText(PackFirmware(dir.path(), "fw.dat", {{LayoutText(0, 0x2000, 0x2800, 2048), InfoBlockImage(0x010204)}}));
        prompt.answers.push_back(true);
        window->OnUpdateFirmware();
        prompt.answers.clear();
    }
};

}  // namespace

TEST_F(WindowTrust, TheTerminalStaysQuietUnlessTheRulesAskForDebugLines)
{
    CTerminalTap quiet;
    Session();
    EXPECT_EQ(prompt.texts.filter("Successful").size(), 3) << prompt.texts.join('|').toStdString();
    EXPECT_EQ(quiet.Lines(), 0);

    QLoggingCategory::setFilterRules(QStringLiteral("corvanta.*=true"));
    CTerminalTap verbose;
    Session();
    QLoggingCategory::setFilterRules(QString());
    EXPECT_GT(verbose.Lines(), 0);
}
