#pragma once

class QWidget;
class QAbstractButton;

// Icons of the title strip's buttons; wires the keep-on-top button.
void initWindowButtons(QWidget* window);
void onKeepOnTopClick(QWidget* window, QAbstractButton* button);
// Puts the window in or out of the always-on-top band; turning it on also raises it.
void setKeepOnTop(QWidget* window, bool on);
// Slider position 0..155 -> opacity (position + 100) / 255, so never fully transparent.
void onTransparencyChange(QWidget* window, int position);
