#pragma once

// Start-up proper: the administration and month connections, the company, main branch and
// settings, the month database's name, the image server's address, then the login window.
namespace core {

void StartApplication();

} // namespace core
