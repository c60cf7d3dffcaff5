#ifndef URLCATCHER_H
#define URLCATCHER_H

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Takes the desktop's "open this file" requests while it lives, so no viewer starts.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void catchFileUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

#endif // URLCATCHER_H
