// What the laundry library exports to its hosts: the library is built with
// hidden symbols, and only declarations marked LAUNDRY_EXPORT are visible.
#pragma once

#define LAUNDRY_EXPORT __attribute__((visibility("default")))
