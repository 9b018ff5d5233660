#pragma once

// Receives what the shell hands to the desktop instead of a browser or a picture viewer.

#include <QList>
#include <QObject>
#include <QUrl>

namespace testsupport {

class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace testsupport
