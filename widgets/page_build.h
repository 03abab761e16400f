#pragma once

// When a page makes its widgets: at once, or on its first Build_Page() (the
// main window builds each page the first time it is needed).
enum class Page_Build { Now, Later };
