#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

#include <array>

// The About window (Form7): name, version, build and a notice. A transparent label
// over the whole window closes it at a click anywhere but on the switch that
// starts the program at login.
class AboutWindow : public QWidget {
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    QLabel *label(int index) const { return m_labels.at(index); }
    QCheckBox *autostart() const { return m_autostart; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::array<QLabel *, 4> m_labels{};
    QLabel *m_cover;
    QCheckBox *m_autostart;
};
