#include "platform/excel/Application.h"

namespace excel {
namespace {

std::weak_ptr<Application>& runningInstance()
{
    static std::weak_ptr<Application> instance;
    return instance;
}

} // namespace

std::shared_ptr<Application> Application::running()
{
    std::shared_ptr<Application> instance = runningInstance().lock();
    return instance && instance->isRunning() ? instance : nullptr;
}

std::shared_ptr<Application> Application::start()
{
    std::shared_ptr<Application> instance(new Application);
    if (!running())
        runningInstance() = instance;
    return instance;
}

Application::~Application()
{
    for (const auto& workbook : m_workbooks)
        workbook->m_application = nullptr;
}

std::shared_ptr<Workbook> Application::addWorkbook()
{
    m_workbooks.push_back(std::make_shared<Workbook>(this));
    return m_workbooks.back();
}

std::shared_ptr<Workbook> Application::activeWorkbook() const
{
    return m_workbooks.empty() ? nullptr : m_workbooks.back();
}

void Application::quit()
{
    const std::vector<std::shared_ptr<Workbook>> open = m_workbooks;
    for (const auto& workbook : open)
        workbook->close();
    m_running = false;
}

void Application::forget(const Workbook* workbook)
{
    std::erase_if(m_workbooks, [&](const std::shared_ptr<Workbook>& open) { return open.get() == workbook; });
}

} // namespace excel
