#include "check/CheckResultsWindow.h"

#include "check/CheckResultsModel.h"
#include "check/CheckTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

CheckResultsWindow::CheckResultsWindow(CheckFn check, ShowFn show, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_check(std::move(check)),
      m_show(std::move(show)),
      m_model(new CheckResultsModel(this))
{
    setObjectName(QStringLiteral("CheckResults"));
    setWindowTitle(CheckTexts::kWindowTitle);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("CheckList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setColumnWidth(CheckResultsModel::Severity, 110);
    m_list->setColumnWidth(CheckResultsModel::Row, 60);
    m_list->setColumnWidth(CheckResultsModel::ColumnName, 200);
    m_summary = new QLabel(this);
    m_checkAgain = new QPushButton(CheckTexts::kCheckAgainCaption, this);
    m_checkAgain->setObjectName(QStringLiteral("CheckAgain"));
    auto *close = new QPushButton(CheckTexts::kCloseCaption, this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_summary, 1);
    buttons->addWidget(m_checkAgain);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(900, 420);

    connect(m_checkAgain, &QPushButton::clicked, this, &CheckResultsWindow::checkAgain);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_list, &QTableView::doubleClicked, this, [this](const QModelIndex &index) { showFinding(index.row()); });
    checkAgain();
}

CheckResultsWindow *CheckResultsWindow::Open(QPointer<CheckResultsWindow> &window, CheckFn check, ShowFn show,
                                             QWidget *parent)
{
    if (window) {
        window->checkAgain();
    } else {
        window = new CheckResultsWindow(std::move(check), std::move(show), parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    return window;
}

void CheckResultsWindow::checkAgain()
{
    m_model->setReport(m_check());
    const CheckReport &report = m_model->report();
    m_summary->setText(report.isEmpty() ? CheckTexts::kNothingFound
                                        : CheckTexts::Summary(report.errors(), report.warnings(),
                                                              report.count(CheckFinding::Severity::Information)));
}

void CheckResultsWindow::showFinding(int line)
{
    if (line < 0 || line >= m_model->rowCount() || !m_show)
        return;
    m_show(m_model->finding(line));
}
