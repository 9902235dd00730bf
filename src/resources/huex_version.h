#pragma once
#define HUEX_VERSION_BINARY 1,0,0,0
#define HUEX_VERSION_TEXT "1.0.0.0"
