// The tool's window template segment, embedded from data/main_window.tpl at build time.
#pragma once

const unsigned char* main_window_template();
unsigned main_window_template_length();
