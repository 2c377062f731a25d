#pragma once

#include <QImage>
#include <QString>
#include <thread>

// The panel picture, decoded on another thread while the controls are built.
// Drawn at 96 dpi without scaling, it comes from a copy made at its size on the
// screen (the pixels Qt's smooth scaling of the full picture gives there), which
// decodes in a fraction of the time and needs no scaling when it is drawn;
// scaled screens get the full picture. On Windows it is decoded where it is
// needed: a thread that ends while the program runs on there (std::async or
// QThread alike) crashed or kept the program from exiting under Wine.
class PictureDecoder
{
public:
    explicit PictureDecoder(qreal devicePixelRatio)
        : m_path(devicePixelRatio == 1.0 ? QStringLiteral(":/images/panel-96dpi.png")
                                         : QStringLiteral(":/images/panel.png"))
    {
#ifndef Q_OS_WIN
        m_thread = std::thread([this] { m_image = decode(m_path); });
#endif
    }
    ~PictureDecoder()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    QImage take()
    {
        if (!m_thread.joinable())
            return decode(m_path);
        m_thread.join();
        return std::move(m_image);
    }

private:
    static QImage decode(const QString &path)
    {
        return QImage(path).convertToFormat(QImage::Format_RGB32); // as a pixmap holds it
    }

    QString m_path;
    QImage m_image;
    std::thread m_thread;
};
