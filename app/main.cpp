// corvanta: the desktop companion of the looper pedals.
#include "CorvantaQT.h"
#include "QtPrompt.h"
#include "Translations.h"

#include <QApplication>
#include <QIcon>
#include <QTextCodec>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("GB18030"));
    const CTranslations translations;
    CQtPrompt prompt;
    InstallPrompt(&prompt);
    auto* window = new CorvantaQT();
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("corvanta"), QIcon(QStringLiteral(":/CorvantaQT/corvanta.png"))));
    prompt.SetDialogParent(window);
    window->show();
    const int result = app.exec();
    // The watcher thread and the device link end with the window.
    delete window;
    InstallPrompt(nullptr);
    return result;
}
