#pragma once

class FrmMain;
class TestRC;

// Everything after the single-instance check: configuration, port, window.
// The version text, title and folder must be in rc's state already.
void StartUp(TestRC& rc, FrmMain& frm);
