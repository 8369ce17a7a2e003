#pragma once
// The export mark of the system layer. Every target is built with hidden symbols; only what carries
// PLATFORM_API leaves libplatform.so, so the host, both plug-ins and the installer share one copy of it.

#define PLATFORM_API __attribute__((visibility("default")))
