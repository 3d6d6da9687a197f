#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>
#include <memory>
#include <vector>

namespace xj {

class FrontEnd;
class ListBox;
struct ControlEvents;

// The entries as the view shows them: a copy taken at the last sync, so painting between two
// syncs (under a modal box, say) reads one consistent list.
class ListEntries : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    const QStringList& texts() const { return texts_; }
    void reset(QStringList texts);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList texts_;
};

// A list box: mirrors the model's entries, marks and highlighted entry, and writes the user's
// selection back into the model. A sync looks at the entries and the marks only when the
// model says they changed, so an idle tick costs the same for a long list as for an empty one.
class ListBoxWidget : public QListView {
    Q_OBJECT
public:
    ListBoxWidget(ListBox& model, FrontEnd& front, QWidget* parent);

    void mirror();

protected:
    // A right press opens the pop-up menu and leaves the selection alone.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void mirrorEntries();
    void mirrorMarks();
    void userSelected(const QItemSelection& selected, const QItemSelection& deselected);
    void userMovedCurrent();

    ListBox& model_;
    std::weak_ptr<const ControlEvents> handlers_;
    FrontEnd& front_;
    ListEntries* entries_;
    std::vector<char> selected_; // the marks shown
    quint64 entriesSeen_ = 0;    // the model's revisions the view shows
    quint64 marksSeen_ = 0;
};

} // namespace xj
