#pragma once

#include <QList>
#include <QWidget>

class CaptionButton;
class PictureButton;
class QGridLayout;
class QLabel;
class WindowRegistry;
class Banner;

// The main menu: a full-screen board of the eight applications, with information, help, credits and
// exit in its corners. An application is enabled when the program has its window.
class TfrmAvvio : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmAvvio(WindowRegistry& registry);

    // The board's applications: picture name suffix, caption and the window each one opens.
    struct Application
    {
        QString name;
        QString caption;
        QString artwork;
        QString window;
    };
    static const QList<Application>& applications();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Tile
    {
        PictureButton* picture;
        CaptionButton* caption;
        QString window;
    };

    void openApplication(const QString& window);
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void enableTiles();
    void scaleBoard();

    WindowRegistry& m_registry;
    QGridLayout* m_board;
    QList<Tile> m_tiles;
    QList<PictureButton*> m_corners;
    QLabel* m_title;
    QLabel* m_subtitle;
    QLabel* m_version;
    QWidget* m_logo;
    Banner* m_banner;
};
