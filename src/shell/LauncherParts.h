#pragma once

#include <QLabel>
#include <QWidget>

// The pieces of the launcher panel: the header image, and per entry its clickable
// image with a highlight bar behind the icon and caption.

// A highlight bar: opaque (drawn) when lit, transparent otherwise.
class HighlightBar : public QWidget {
public:
    explicit HighlightBar(QWidget *parent);
    void setLit(bool lit);
    bool isLit() const { return m_lit; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_lit = false;
};

// The decorative header image: the pointer over it closes the launcher.
class LauncherHeader : public QWidget {
    Q_OBJECT
public:
    explicit LauncherHeader(QWidget *parent);

signals:
    void pointerMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// One entry: the image that takes the pointer and the clicks, covering the whole
// row, with its highlight bar, icon and caption label on it.
class LauncherEntryImage : public QWidget {
    Q_OBJECT
public:
    LauncherEntryImage(int entry, int iconSize, QWidget *parent);

    HighlightBar *bar() const { return m_bar; }
    QLabel *caption() const { return m_caption; }
    // An entry whose tool is missing is greyed and takes no clicks.
    void setAvailable(bool available);
    bool isAvailable() const { return m_available; }

signals:
    void pointerMoved(QPoint position);
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_entry;
    int m_iconSize;
    bool m_available = true;
    bool m_pressed = false;
    HighlightBar *m_bar;
    QLabel *m_icon;
    QLabel *m_caption;
};
