#pragma once
// The update server: its base URL, a blocking HTTP client, the firmware
// catalogue "path.xml" and the version numbers of firmware names.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QNetworkAccessManager;

// The update server's base URL: "/Config/UpdateServer" of the settings file
// when it is an http or https URL, else the default.
QString UpdateServerBase();

class CMyHttp : public QObject {
public:
    static CMyHttp& Instance();
    // Blocking GET: true only for a finished reply with status 200 and a body
    // of at most maxBytes; redirects are not followed; 30 s without progress
    // is a failure.
    bool Get(const QString& url, QByteArray& body, qint64 maxBytes);

private:
    CMyHttp();
    QNetworkAccessManager* m_manager;
};

struct CatalogueEntry {
    QString display;  // the last path component
    QString path;     // "/velmo_update/Firmware/" + entry + ".dat", segments percent-encoded
};

// The entries of the catalogue that contain the model key ("%05d" of the
// model id), in document order. ok is false when the XML is not well formed.
std::vector<CatalogueEntry> ParseCatalogue(const QByteArray& xml, int model_id, bool& ok);

uint32_t ParseVersionText(const QString& text);
uint32_t ParseWebVersion(const QString& name);
