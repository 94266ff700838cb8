#pragma once

#include <QObject>

#include <functional>

// While a batch renames files (on a worker, the window painting meanwhile) only two inputs
// get through: Esc, and a click on the status bar's cancel control (the
// widget named cancelControlName()). Both stop the batch; every other key, click, wheel turn
// or drop is dropped, so nothing can change the rows being renamed.
class BatchInputGuard : public QObject
{
public:
    explicit BatchInputGuard(std::function<void()> onCancel);
    ~BatchInputGuard() override;
    BatchInputGuard(const BatchInputGuard &) = delete;
    BatchInputGuard &operator=(const BatchInputGuard &) = delete;

    static QString cancelControlName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_onCancel;
};
