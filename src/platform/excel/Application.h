#pragma once

#include "platform/excel/Workbook.h"

#include <memory>
#include <vector>

// The spreadsheet application the program automates, standing in for a running or newly started
// instance of it. It runs in the program's process; nothing of it is ever shown.
namespace excel {

class Application {
public:
    // The instance that is running (started and not yet quit), or null.
    static std::shared_ptr<Application> running();
    // Starts a new instance; it becomes the running one unless another already is.
    static std::shared_ptr<Application> start();
    ~Application();

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    // Adds a new workbook, which becomes the active one.
    std::shared_ptr<Workbook> addWorkbook();
    // The workbook added last among the open ones, or null.
    std::shared_ptr<Workbook> activeWorkbook() const;
    const std::vector<std::shared_ptr<Workbook>>& workbooks() const { return m_workbooks; }

    // Closes every open workbook without saving it and ends the instance.
    void quit();
    bool isRunning() const { return m_running; }

private:
    friend class Workbook;

    Application() = default;
    void forget(const Workbook* workbook);

    std::vector<std::shared_ptr<Workbook>> m_workbooks;
    bool m_visible = false;
    bool m_running = true;
};

} // namespace excel
