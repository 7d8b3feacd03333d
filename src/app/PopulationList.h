// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Population.h"

#include <QAbstractTableModel>
#include <QGroupBox>
#include <QLocale>

#include <vector>

class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// The belt's populations as the window lists them: one row each, its name,
// kind and share. The name and the share are edited in place; every other
// field of a population is the form's.
class PopulationModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Kind, Share, ColumnCount };

    explicit PopulationModel(QObject *parent = nullptr);

    std::vector<Population> const &populations() const { return list; }
    Population const &at(int row) const { return list[std::size_t(row)]; }

    // Replaces every population, as a load does; tells of no edit.
    void reset(std::vector<Population> populations);
    // A population whose fields the form changed; tells of no edit.
    void replace(int row, Population const &population);
    // These are edits: each tells of itself.
    void insert(int row, Population population);
    void remove(int row);
    void move(int row, int to);

    // A name no population has yet: stem, or stem and a number.
    QString freeName(QString const &stem) const;
    void setNumbers(QLocale const &numbers);

    int rowCount(QModelIndex const &parent = QModelIndex()) const override;
    int columnCount(QModelIndex const &parent = QModelIndex()) const override;
    QVariant data(QModelIndex const &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(QModelIndex const &index) const override;
    bool setData(QModelIndex const &index, QVariant const &value, int role = Qt::EditRole) override;

signals:
    // A name, a share, or the rows changed through the list.
    void edited();

private:
    std::vector<Population> list{Population{}};
    QLocale numbers;
};

// The list of populations with its buttons and the selected one's kind, a
// group of the form. The form's fields of a population show the selected one.
class PopulationList : public QGroupBox {
    Q_OBJECT

public:
    explicit PopulationList(QWidget *parent);

    // Puts the list into the form's column of boxes, above before.
    void placeIn(QBoxLayout *columns, QWidget *before);

    PopulationModel &model() { return populations; }
    int current() const;
    void select(int row);

    void retranslate(QLocale const &numbers);

signals:
    // The fields are to show another population.
    void selected(int row);

private:
    void add(bool copy);
    void removeCurrent();
    void moveCurrent(int by);
    void enableButtons();
    void showTotal();

    PopulationModel populations;
    QTableView *view;
    QLabel *kindLabel;
    QLabel *total; // the shares' sum, marked unless it is 100 %
    QLocale numbers;
    QComboBox *kind; // filled and bound by the form, as its other fields
    QPushButton *addButton, *duplicateButton, *removeButton, *upButton, *downButton;
    int shown = 0;
};
