#pragma once

class AppContext;
class MainWindow;

// Everything after the single-instance check: configuration, port, window.
// The version text, title and folder must be in the context's state already.
void startUp(AppContext& context, MainWindow& window);
