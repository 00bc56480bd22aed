#pragma once
// The program's texts in the user's language: the translations of both faces
// and of Qt's own standard buttons and dialogs, chosen by the system's locale
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Without a file for the locale the
// program speaks English, the source of every translation.
#include <QLocale>
#include <QString>
#include <QTranslator>

// Where the compiled translations lie: share/corvanta/translations beside the
// executable's bin folder, in an installed tree as in the build tree.
QString TranslationsFolder();

// Installs the translations for locale while the object lives.
class CTranslations {
public:
    explicit CTranslations(const QLocale& locale = QLocale::system(), const QString& folder = TranslationsFolder());
    ~CTranslations();
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

private:
    friend class CEnglishTexts;
    void Install();
    void Remove();

    QTranslator m_program;
    QTranslator m_qt;
};

// While it lives every text is English, whatever the locale: the command line
// builds the data it prints on standard output, which scripts read, under one.
class CEnglishTexts {
public:
    CEnglishTexts();
    ~CEnglishTexts();
    CEnglishTexts(const CEnglishTexts&) = delete;
    CEnglishTexts& operator=(const CEnglishTexts&) = delete;
};
