#pragma once
// "Which are you trying to change?": one radio button for each entry of a
// day (and usually a last one for a new entry). The first is chosen when the
// dialog opens, so OK always comes back with a real choice.

#include <QDialog>
#include <string>
#include <vector>

class QButtonGroup;

namespace tessolar {

class CDlgPickFrom : public QDialog {
  Q_OBJECT

 public:
  // 1 for the first button, 2, 3 … for the next ones, 0 for the last.
  int Choice() const;

 protected:
  // One button per label, in order, each showing its label as it stands.
  CDlgPickFrom(QWidget* parent, const std::vector<std::string>& labels);

 private:
  QButtonGroup* buttons_ = nullptr;
  int last_ = 0;
};

class CDlgPickFrom2 : public CDlgPickFrom {
 public:
  CDlgPickFrom2(QWidget* parent, const std::string& first, const std::string& last)
      : CDlgPickFrom(parent, {first, last}) {}
};

class CDlgPickFrom3 : public CDlgPickFrom {
 public:
  CDlgPickFrom3(QWidget* parent, const std::string& first, const std::string& second,
                const std::string& last)
      : CDlgPickFrom(parent, {first, second, last}) {}
};

// The entries of a day with more than its cell shows, however many.
class CDlgPickFromMany : public CDlgPickFrom {
 public:
  CDlgPickFromMany(QWidget* parent, const std::vector<std::string>& labels)
      : CDlgPickFrom(parent, labels) {}
};

class CDlgPickFrom4 : public CDlgPickFrom {
 public:
  CDlgPickFrom4(QWidget* parent, const std::string& first, const std::string& second,
                const std::string& third, const std::string& last)
      : CDlgPickFrom(parent, {first, second, third, last}) {}
};

}  // namespace tessolar
