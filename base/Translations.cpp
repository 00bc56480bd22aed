#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {
// The translations installed now; the program has one set at a time.
CTranslations* g_installed = nullptr;
}  // namespace

QString TranslationsFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/corvanta/translations");
}

CTranslations::CTranslations(const QLocale& locale, const QString& folder)
{
    m_program.load(locale, QStringLiteral("corvanta"), QStringLiteral("_"), folder);
    m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    Install();
    g_installed = this;
}

CTranslations::~CTranslations()
{
    Remove();
    g_installed = nullptr;
}

void CTranslations::Install()
{
    QCoreApplication::installTranslator(&m_program);
    QCoreApplication::installTranslator(&m_qt);
}

void CTranslations::Remove()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

CEnglishTexts::CEnglishTexts()
{
    if (g_installed)
        g_installed->Remove();
}

CEnglishTexts::~CEnglishTexts()
{
    if (g_installed)
        g_installed->Install();
}
