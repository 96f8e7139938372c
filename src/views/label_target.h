// Where a view writes the text beside its drawing (Label2): the window's label, or a capture
// that keeps the text for the geometry file and the pictures.
#pragma once

#include <string>

// Receives the text a view sets beside its drawing (lines separated by carriage returns).
class LabelTarget {
 public:
  virtual ~LabelTarget() = default;
  virtual void SetLabelText(const std::string& text) = 0;
};

// Keeps the last text set.
class LabelCapture : public LabelTarget {
 public:
  void SetLabelText(const std::string& newText) override { text = newText; }
  std::string text;
};
