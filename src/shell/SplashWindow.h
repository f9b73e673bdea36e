#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

// The splash (Form3): the logo, the product name and the version, for two seconds.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 2000;

    explicit SplashWindow(QWidget *parent = nullptr);
    QTimer *timer() { return &m_timer; }

signals:
    // The splash's time is up: the program goes on to its tray icon.
    void timeUp();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    QLabel *m_label;
};
