#pragma once

class QDialog;
class QWidget;

// The two small windows of the clock's menu, each made when first asked for: a short guide to the
// clock in Japanese (IN and OUT, the time's colours, the break box, the files in the folder), and
// the version with the licence. Neither holds the clock up: they stay open beside it.
QDialog* MakeGuideWindow(QWidget* parent);
QDialog* MakeVersionWindow(QWidget* parent);
