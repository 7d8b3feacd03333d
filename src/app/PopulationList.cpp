// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopulationList.h"

#include "DecimalField.h"
#include "FieldLimits.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>

namespace {

QString kindLabel(Population::Kind kind)
{
    return QCoreApplication::translate("MainWindow", populationKind(kind).label);
}

// A share is typed as the form's numbers are, in a field of the share's range
// and decimals.
class ShareDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, QStyleOptionViewItem const &,
                          QModelIndex const &) const override
    {
        auto *box = new DecimalField(parent);
        box->setRange(FieldLimits::share.minimum, FieldLimits::share.maximum);
        box->setDecimals(FieldLimits::share.decimals);
        box->setSuffix(QStringLiteral(" %"));
        box->setLocale(parent->locale());
        return box;
    }
};

} // namespace

PopulationModel::PopulationModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void PopulationModel::reset(std::vector<Population> populations)
{
    if (populations.empty())
        populations.emplace_back();
    beginResetModel();
    list = std::move(populations);
    endResetModel();
}

void PopulationModel::replace(int row, Population const &population)
{
    list[std::size_t(row)] = population;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void PopulationModel::insert(int row, Population population)
{
    beginInsertRows(QModelIndex(), row, row);
    list.insert(list.begin() + row, std::move(population));
    endInsertRows();
    emit edited();
}

void PopulationModel::remove(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    list.erase(list.begin() + row);
    endRemoveRows();
    emit edited();
}

void PopulationModel::move(int row, int to)
{
    if (row == to || !beginMoveRows(QModelIndex(), row, row, QModelIndex(), to > row ? to + 1 : to))
        return;
    Population moved = std::move(list[std::size_t(row)]);
    list.erase(list.begin() + row);
    list.insert(list.begin() + to, std::move(moved));
    endMoveRows();
    emit edited();
}

QString PopulationModel::freeName(QString const &stem) const
{
    auto const taken = [&](QString const &name) {
        std::string const text = name.toStdString();
        return std::any_of(list.begin(), list.end(),
                           [&](Population const &each) { return each.name == text; });
    };
    QString name = stem;
    for (int k = 2; taken(name); ++k)
        name = QStringLiteral("%1 %2").arg(stem).arg(k);
    return name;
}

void PopulationModel::setNumbers(QLocale const &newNumbers)
{
    numbers = newNumbers;
    // The kinds' names too.
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int PopulationModel::rowCount(QModelIndex const &parent) const
{
    return parent.isValid() ? 0 : int(list.size());
}

int PopulationModel::columnCount(QModelIndex const &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PopulationModel::data(QModelIndex const &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    Population const &population = at(index.row());
    switch (index.column()) {
    case Name:
        return QString::fromStdString(population.name);
    case Kind:
        return kindLabel(population.kind);
    case Share:
        if (role == Qt::EditRole)
            return population.share;
        return numbers.toString(population.share, 'f', FieldLimits::share.decimals) +
               QStringLiteral(" %");
    }
    return {};
}

QVariant PopulationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return PopulationList::tr("Population");
    case Kind:
        return PopulationList::tr("Kind");
    case Share:
        return PopulationList::tr("Share");
    }
    return {};
}

Qt::ItemFlags PopulationModel::flags(QModelIndex const &index) const
{
    Qt::ItemFlags const flags = QAbstractTableModel::flags(index);
    return index.column() == Kind ? flags : flags | Qt::ItemIsEditable;
}

bool PopulationModel::setData(QModelIndex const &index, QVariant const &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    Population &population = list[std::size_t(index.row())];
    if (index.column() == Name) {
        // A population keeps a name to be listed and told by in the legend.
        std::string const name = value.toString().trimmed().toStdString();
        if (name.empty() || name == population.name)
            return false;
        population.name = name;
    } else if (index.column() == Share) {
        bool number = false;
        double const share = value.toDouble(&number);
        if (!number || !(share >= FieldLimits::share.minimum) ||
            !(share <= FieldLimits::share.maximum) || share == population.share)
            return false;
        population.share = share;
    } else {
        return false;
    }
    emit dataChanged(index, index);
    emit edited();
    return true;
}

PopulationList::PopulationList(QWidget *parent)
    : QGroupBox(parent)
    , populations(this)
    , view(new QTableView(this))
    , kindLabel(new QLabel(this))
    , total(new QLabel(this))
    , kind(new QComboBox(this))
    , addButton(new QPushButton(this))
    , duplicateButton(new QPushButton(this))
    , removeButton(new QPushButton(this))
    , upButton(new QPushButton(this))
    , downButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("groupBox_populations"));
    view->setObjectName(QStringLiteral("tableView_populations"));
    // The form binds these two as it binds its other fields.
    kind->setObjectName(QStringLiteral("comboBox_populationKind"));
    kindLabel->setObjectName(QStringLiteral("label_populationKind"));
    kindLabel->setBuddy(kind);
    total->setObjectName(QStringLiteral("label_shareTotal"));
    addButton->setObjectName(QStringLiteral("pushButton_addPopulation"));
    duplicateButton->setObjectName(QStringLiteral("pushButton_duplicatePopulation"));
    removeButton->setObjectName(QStringLiteral("pushButton_removePopulation"));
    upButton->setObjectName(QStringLiteral("pushButton_populationUp"));
    downButton->setObjectName(QStringLiteral("pushButton_populationDown"));
    upButton->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    downButton->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));

    view->setModel(&populations);
    view->setItemDelegateForColumn(PopulationModel::Share, new ShareDelegate(view));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::SelectedClicked);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(PopulationModel::Name, QHeaderView::Stretch);
    view->horizontalHeader()->setSectionResizeMode(PopulationModel::Kind,
                                                   QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(PopulationModel::Share,
                                                   QHeaderView::ResizeToContents);
    // Four rows in view; more scroll.
    view->setFixedHeight(view->horizontalHeader()->sizeHint().height() +
                         4 * view->verticalHeader()->defaultSectionSize() +
                         2 * view->frameWidth());

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {addButton, duplicateButton, removeButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(total);
    buttons->addWidget(upButton);
    buttons->addWidget(downButton);
    auto *kindRow = new QHBoxLayout;
    kindRow->addWidget(kindLabel);
    kindRow->addWidget(kind, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addLayout(buttons);
    layout->addLayout(kindRow);

    connect(addButton, &QPushButton::clicked, this, [this] { add(false); });
    connect(duplicateButton, &QPushButton::clicked, this, [this] { add(true); });
    connect(removeButton, &QPushButton::clicked, this, &PopulationList::removeCurrent);
    connect(upButton, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(downButton, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](QModelIndex const &now) {
                if (now.isValid() && now.row() != shown) {
                    shown = now.row();
                    emit selected(shown);
                }
                enableButtons();
            });
    connect(&populations, &QAbstractItemModel::modelReset, this, [this] { select(0); });
    connect(&populations, &QAbstractItemModel::modelReset, this, &PopulationList::showTotal);
    connect(&populations, &QAbstractItemModel::rowsRemoved, this, &PopulationList::showTotal);
    connect(&populations, &QAbstractItemModel::rowsInserted, this, &PopulationList::showTotal);
    connect(&populations, &QAbstractItemModel::dataChanged, this, &PopulationList::showTotal);
    retranslate(locale());
    select(0);
}

void PopulationList::placeIn(QBoxLayout *columns, QWidget *before)
{
    int const at = columns->indexOf(before);
    columns->removeWidget(before);
    auto *stack = new QVBoxLayout;
    stack->setObjectName(QStringLiteral("verticalLayout_populations"));
    stack->addWidget(this);
    stack->addWidget(before, 1);
    columns->insertLayout(at, stack);
    // The keys reach the list where it stands: before the box below it.
    QWidget *previous = before->previousInFocusChain();
    for (QWidget *next : {static_cast<QWidget *>(view), static_cast<QWidget *>(addButton),
                          static_cast<QWidget *>(duplicateButton),
                          static_cast<QWidget *>(removeButton), static_cast<QWidget *>(upButton),
                          static_cast<QWidget *>(downButton), static_cast<QWidget *>(kind)}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

int PopulationList::current() const
{
    return shown;
}

void PopulationList::select(int row)
{
    shown = std::clamp(row, 0, populations.rowCount() - 1);
    view->setCurrentIndex(populations.index(shown, PopulationModel::Name));
    enableButtons();
    emit selected(shown);
}

// A new population takes the selected one's bounds and distributions, as a
// start nearer the belt than blank fields; a copy takes its kind too. Either
// starts with no share, so that the shares still add up as they did.
void PopulationList::add(bool copy)
{
    Population added = populations.at(shown);
    if (!copy)
        added.kind = Population::Kind::Background;
    QString const stem = copy ? QString::fromStdString(added.name)
                              : QCoreApplication::translate(
                                    "MainWindow", populationKind(added.kind).defaultName);
    added.name = populations.freeName(stem).toStdString();
    added.share = 0;
    int const row = shown + 1;
    populations.insert(row, std::move(added));
    select(row);
}

void PopulationList::removeCurrent()
{
    if (populations.rowCount() < 2)
        return;
    int const row = shown;
    populations.remove(row);
    select(std::min(row, populations.rowCount() - 1));
}

void PopulationList::moveCurrent(int by)
{
    int const to = shown + by;
    if (to < 0 || to >= populations.rowCount())
        return;
    populations.move(shown, to);
    select(to);
}

void PopulationList::enableButtons()
{
    int const count = populations.rowCount();
    bool const room = std::size_t(count) < largestPopulationCount;
    addButton->setEnabled(room);
    duplicateButton->setEnabled(room);
    removeButton->setEnabled(count > 1);
    upButton->setEnabled(shown > 0);
    downButton->setEnabled(shown + 1 < count);
}

// As the check counts them: in hundredths of a percent.
void PopulationList::showTotal()
{
    std::uint64_t units = 0;
    for (Population const &population : populations.populations())
        units += shareUnits(population.share);
    total->setText(QStringLiteral("\u03a3 %1 %").arg(
        numbers.toString(double(units) / 100, 'f', FieldLimits::share.decimals)));
    total->setStyleSheet(units == wholeShareUnits ? QString()
                                                  : QStringLiteral("color: #c0392b"));
}

void PopulationList::retranslate(QLocale const &newNumbers)
{
    numbers = newNumbers;
    setTitle(tr("Populations"));
    kindLabel->setText(tr("Kind"));
    addButton->setText(tr("Add"));
    duplicateButton->setText(tr("Duplicate"));
    removeButton->setText(tr("Remove"));
    addButton->setToolTip(tr("Add a background population after the selected one, with its "
                             "bounds and distributions and no share"));
    duplicateButton->setToolTip(
        tr("Add a copy of the selected population after it, with no share"));
    removeButton->setToolTip(tr("Remove the selected population"));
    kind->setToolTip(tr("How the selected population's bodies are placed: between its radii "
                        "(background), around the planet's L4 and L5 (Trojans) or in one of "
                        "the planet's resonances (resonant family); the last two need the "
                        "planet"));
    upButton->setToolTip(tr("Move the selected population up: the bodies are numbered in "
                            "the order of the list"));
    downButton->setToolTip(tr("Move the selected population down"));
    view->setToolTip(tr("The belt's populations, up to 16. Double-click a name or a share to "
                        "change it; the fields of the form show the selected population."));
    total->setToolTip(tr("The shares of the populations together: they add up to 100 %"));
    // The share's editor takes the view's.
    view->setLocale(numbers);
    populations.setNumbers(numbers);
    showTotal();
}
