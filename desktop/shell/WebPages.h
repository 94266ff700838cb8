#pragma once

// The maker's web pages as the frame opens them: help (F1) and the Donate command.
namespace WebPages {
void openHomePage();
void openDonatePage();
} // namespace WebPages
