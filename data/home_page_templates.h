// The two built-in home page templates, embedded from data/*.yaml at build time and
// written to the client's system.yaml byte for byte.
#pragma once

const unsigned char* home_page_blank();
unsigned home_page_blank_length();
const unsigned char* home_page_publisher();
unsigned home_page_publisher_length();
