#include <QtTest>


#include <memory>

#include "qcustomplot.h"
#include "blockplots.h"
#include "panelfixture.h"

namespace {

QVector<double> keys_of(const QCPGraph *graph)
{
    QVector<double> keys;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
        keys.append(it->key);
    return keys;
}

QVector<double> keys_of(const QCPBars *bars)
{
    QVector<double> keys;
    for (auto it = bars->data()->constBegin(); it != bars->data()->constEnd(); ++it)
        keys.append(it->key);
    return keys;
}

QCPBars *bars_at(QCustomPlot *plot, int index)
{
    return qobject_cast<QCPBars *>(plot->plottable(index));
}

bool same_range(const QCPRange &a, const QCPRange &b)
{
    return qFuzzyCompare(a.lower + 1e6, b.lower + 1e6) && qFuzzyCompare(a.upper + 1e6, b.upper + 1e6);
}

} // namespace

class TestPlots : public QObject
{
    Q_OBJECT

    std::unique_ptr<Panels> w;
    std::unique_ptr<PanelForm> ui;

    QPointF centre_of(QCustomPlot *plot) const { return plot->axisRect()->rect().center(); }

    void wheel(QCustomPlot *plot, int steps)
    {
        const QPointF pos = centre_of(plot);
        QWheelEvent event(pos, plot->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(plot, &event);
    }

    void drag(QCustomPlot *plot, QPoint by)
    {
        const QPoint from = centre_of(plot).toPoint();
        const QPoint to = from + by;
        QMouseEvent press(QEvent::MouseButtonPress, from, plot->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(plot, &press);
        QMouseEvent move(QEvent::MouseMove, to, plot->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, to, plot->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(plot, &release);
    }


    void expect_value_range(double lower, double upper)
    {
        QCOMPARE(ui->graph->yAxis->range().lower, lower);
        QCOMPARE(ui->graph->yAxis->range().upper, upper);
        QCOMPARE(ui->diagram->yAxis->range().lower, lower);
        QCOMPARE(ui->diagram->yAxis->range().upper, upper);
    }

private slots:
    void init()
    {
        w = std::make_unique<Panels>();
        ui = std::make_unique<PanelForm>(*w);
        set_limits(*w, 0.0, 5.0, false);
    }

    void cleanup()
    {
        ui.reset();
        w.reset();
    }

    void set_up_at_construction()
    {
        for (QCustomPlot *plot : {ui->graph, ui->diagram}) {
            QVERIFY(plot->interactions().testFlag(QCP::iRangeZoom));
            QVERIFY(plot->interactions().testFlag(QCP::iRangeDrag));
            QCOMPARE(plot->axisRect()->rangeZoom(), Qt::Orientations(Qt::Horizontal));
            QCOMPARE(plot->axisRect()->rangeDrag(), Qt::Horizontal | Qt::Vertical);
            QCOMPARE(plot->plottableCount(), 0);
            QCOMPARE(plot->itemCount(), 2);
        }
        QCOMPARE(w->plots->plots()->graphMinLine()->parentPlot(), ui->graph);
        QCOMPARE(w->plots->plots()->diagramMaxLine()->parentPlot(), ui->diagram);
        QVERIFY(!w->plots->plots()->graphMinLine()->visible());
        QVERIFY(!w->plots->plots()->diagramMaxLine()->visible());
    }

    void ranges_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<double>("keyUpper");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");

        QTest::newRow("1 to 5") << QVector<float>{1, 2, 3, 4, 5} << 6.0 << -1.0 << 7.0;
        QTest::newRow("unordered") << QVector<float>{4, -2, 0} << 4.0 << -5.0 << 7.0;
        QTest::newRow("one value 10") << QVector<float>{10} << 2.0 << 9.0 << 11.0;
        QTest::newRow("one value -10") << QVector<float>{-10} << 2.0 << -11.0 << -9.0;
        QTest::newRow("no values") << QVector<float>{} << 1.0 << 0.0 << 5.0;
        // Equal bounds are refused: the range before stays, that of the display a new list emptied.
        QTest::newRow("all equal") << QVector<float>{3, 3, 3} << 4.0 << 0.0 << 5.0;
        QTest::newRow("single zero") << QVector<float>{0} << 2.0 << 0.0 << 5.0;
    }

    void ranges()
    {
        QFETCH(QVector<float>, values);
        QFETCH(double, keyUpper);
        QFETCH(double, lower);
        QFETCH(double, upper);

        show_values(*w, {0, 200});
        show_values(*w, values);

        for (QCustomPlot *plot : {ui->graph, ui->diagram}) {
            QCOMPARE(plot->xAxis->range().lower, 0.0);
            QCOMPARE(plot->xAxis->range().upper, keyUpper);
        }
        expect_value_range(lower, upper);
        QCOMPARE(ui->graphs_limits_min->value(), lower);
        QCOMPARE(ui->graphs_limits_max->value(), upper);
        QCOMPARE(ui->graph->graph(0)->dataCount(), values.size());
        QCOMPARE(bars_at(ui->diagram, 0)->dataCount(), values.size());
    }

    void plottables_without_limits()
    {
        show_values(*w, {1, 9, 3});

        QCOMPARE(ui->graph->graphCount(), 1);
        QCPGraph *main = ui->graph->graph(0);
        QCOMPARE(keys_of(main), (QVector<double>{1, 2, 3}));
        QCOMPARE(main->data()->at(1)->value, 9.0);
        QCOMPARE(main->pen(), QPen(Qt::blue, 2.0));
        QCOMPARE(main->lineStyle(), QCPGraph::lsLine);
        QCOMPARE(main->scatterStyle().shape(), QCPScatterStyle::ssCircle);
        QCOMPARE(main->scatterStyle().pen().color(), QColor(Qt::blue));
        QCOMPARE(main->scatterStyle().brush(), QBrush(Qt::white));
        QCOMPARE(main->scatterStyle().size(), 7.0);

        QCOMPARE(ui->diagram->plottableCount(), 1);
        QCPBars *bars = bars_at(ui->diagram, 0);
        QVERIFY(bars);
        QCOMPARE(keys_of(bars), (QVector<double>{1, 2, 3}));
        QCOMPARE(bars->baseValue(), 0.0);
        QCOMPARE(bars->keyAxis(), ui->diagram->xAxis);
        QCOMPARE(bars->valueAxis(), ui->diagram->yAxis);
        QCOMPARE(bars->pen(), QPen(QBrush(QColor(0, 0, 0, 150)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        QCOMPARE(bars->brush(), QBrush(QColor(0, 0, 255, 100), Qt::SolidPattern));

        QVERIFY(!w->plots->plots()->graphMaxLine()->visible());
    }

    void plottables_with_limits()
    {
        set_limits(*w, 2.0, 4.0, true);
        show_values(*w, {1, 3, 5});

        QCOMPARE(ui->graph->graphCount(), 2);
        QCPGraph *out = ui->graph->graph(1);
        QCOMPARE(keys_of(out), (QVector<double>{1, 3}));
        QCOMPARE(out->pen(), QPen(Qt::red, 1.5));
        QCOMPARE(out->lineStyle(), QCPGraph::lsNone);
        QCOMPARE(out->scatterStyle().shape(), QCPScatterStyle::ssCircle);
        QCOMPARE(out->scatterStyle().size(), 7.0);
        QCOMPARE(out->scatterStyle().pen(), QPen(QColor(255, 0, 0, 150), 1.5));
        QCOMPARE(out->scatterStyle().brush(), QBrush(QColor(255, 0, 0, 150), Qt::SolidPattern));

        QCOMPARE(ui->diagram->plottableCount(), 2);
        QCPBars *inside = bars_at(ui->diagram, 0);
        QCPBars *outside = bars_at(ui->diagram, 1);
        QCOMPARE(keys_of(inside), QVector<double>{2});
        QCOMPARE(keys_of(outside), (QVector<double>{1, 3}));
        QCOMPARE(inside->brush(), QBrush(QColor(0, 0, 255, 100), Qt::SolidPattern));
        QCOMPARE(outside->brush(), QBrush(QColor(255, 0, 0, 100), Qt::SolidPattern));
        QCOMPARE(outside->pen(), inside->pen());
        QCOMPARE(outside->baseValue(), 0.0);

        const struct { QCPItemStraightLine *line; QCustomPlot *plot; double at; } lines[] = {
            {w->plots->plots()->graphMinLine(), ui->graph, 2.0},
            {w->plots->plots()->graphMaxLine(), ui->graph, 4.0},
            {w->plots->plots()->diagramMinLine(), ui->diagram, 2.0},
            {w->plots->plots()->diagramMaxLine(), ui->diagram, 4.0},
        };
        for (const auto &l : lines) {
            QVERIFY(l.line->visible());
            QCOMPARE(l.line->parentPlot(), l.plot);
            QCOMPARE(l.line->pen(), QPen(Qt::red, 2.0));
            QCOMPARE(l.line->point1->coords(), QPointF(1, l.at));
            QCOMPARE(l.line->point2->coords(), QPointF(2, l.at));
        }

        // Unticking redraws without the red marks and hides the lines.
        ui->set_limits_checkbox->setChecked(false);
        QCOMPARE(ui->graph->graphCount(), 1);
        QCOMPARE(ui->diagram->plottableCount(), 1);
        QVERIFY(!w->plots->plots()->graphMinLine()->visible());
    }

    void limits_edge_cases_data()
    {
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<int>("graphs");
        QTest::addColumn<QVector<double>>("outKeys");

        QTest::newRow("all inside") << QVector<float>{1, 2, 3} << 1 << QVector<double>{};
        QTest::newRow("on the limits") << QVector<float>{0, 5} << 1 << QVector<double>{};
        // The plots see the stored float, the table the cut text.
        QTest::newRow("5.009 is out") << QVector<float>{1, 5.009f} << 2 << QVector<double>{2};
    }

    void limits_edge_cases()
    {
        QFETCH(QVector<float>, values);
        QFETCH(int, graphs);
        QFETCH(QVector<double>, outKeys);

        set_limits(*w, 0.0, 5.0, true);
        show_values(*w, values);
        QCOMPARE(ui->graph->graphCount(), graphs);
        QCOMPARE(ui->diagram->plottableCount(), 2);
        QCOMPARE(keys_of(bars_at(ui->diagram, 1)), outKeys);
        if (graphs == 2)
            QCOMPARE(keys_of(ui->graph->graph(1)), outKeys);
    }

    // Fault: after a double click on one block and a single click on another, toggling the
    // limits or editing one drew the other block's plots beside the first one's table and
    // statistics.
    void single_click_changes_nothing_shown()
    {
        set_blocks(*w, {{"1 HRC", {1, 2, 3, 4}}, {"2 HB", {70, 80, 90}}});
        show_block(*w, 0);
        ui->block_names_list->setCurrentRow(1);
        ui->set_limits_checkbox->setChecked(false);
        ui->set_limits_checkbox->setChecked(true);
        type_limit(ui->limits_min, 0.0);
        type_limit(ui->limits_max, 3.5);

        QCOMPARE(ui->graph->graph(0)->dataCount(), 4);
        QCOMPARE(ui->graph->graph(0)->data()->at(3)->value, 4.0);
        QCOMPARE(ui->graph->graph(1)->dataCount(), 1); // 4 lies above 3.5
        QCOMPARE(ui->graph->xAxis->range().upper, 5.0);
        QCOMPARE(ui->mean_box->value(), 2.5);
        QCOMPARE(w->model.shownBlock().name, QStringLiteral("1 HRC"));
    }

    void limit_boxes_redraw_at_once()
    {
        set_limits(*w, 0.0, 5.0, true);
        show_values(*w, {1, 4});
        QCOMPARE(ui->graph->graphCount(), 1);

        type_limit(ui->limits_max, 3.0);
        QCOMPARE(ui->graph->graphCount(), 2);
        QCOMPARE(w->plots->plots()->diagramMaxLine()->point1->coords().y(), 3.0);

        type_limit(ui->limits_min, 2.0);
        QCOMPARE(keys_of(ui->graph->graph(1)), (QVector<double>{1, 2}));
        QCOMPARE(w->plots->plots()->graphMinLine()->point1->coords().y(), 2.0);
    }

    void ticking_without_a_block_only_moves_the_lines()
    {
        set_limits(*w, 1.0, 2.0, true);
        QVERIFY(w->plots->plots()->graphMinLine()->visible());
        QCOMPARE(w->plots->plots()->graphMaxLine()->point2->coords(), QPointF(2, 2));
        QCOMPARE(ui->graph->plottableCount(), 0);
    }

    void range_box_edits_data()
    {
        QTest::addColumn<bool>("editMin");
        QTest::addColumn<double>("startLower");
        QTest::addColumn<double>("startUpper");
        QTest::addColumn<double>("typed");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("boxMin");
        QTest::addColumn<double>("boxMax");

        QTest::newRow("min above max") << true << 0.0 << 5.0 << 10.0 << 10.0 << 11.0 << 10.0 << 11.0;
        QTest::newRow("min below max") << true << 0.0 << 5.0 << -2.0 << -2.0 << 5.0 << -2.0 << 5.0;
        QTest::newRow("max below min") << false << 5.0 << 8.0 << 3.0 << 2.0 << 3.0 << 2.0 << 3.0;
        QTest::newRow("max above min") << false << 5.0 << 8.0 << 20.0 << 5.0 << 20.0 << 5.0 << 20.0;
        // An empty range is refused; the boxes keep what was typed.
        QTest::newRow("min equal to upper") << true << 0.0 << 5.0 << 5.0 << 0.0 << 5.0 << 5.0 << 5.0;
    }

    void range_box_edits()
    {
        QFETCH(bool, editMin);
        QFETCH(double, startLower);
        QFETCH(double, startUpper);
        QFETCH(double, typed);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(double, boxMin);
        QFETCH(double, boxMax);

        ui->graph->yAxis->setRange(startLower, startUpper);
        QCOMPARE(ui->graphs_limits_min->value(), startLower);
        QCOMPARE(ui->graphs_limits_max->value(), startUpper);

        type_limit(editMin ? ui->graphs_limits_min : ui->graphs_limits_max, typed);
        expect_value_range(lower, upper);
        QCOMPARE(ui->graphs_limits_min->value(), boxMin);
        QCOMPARE(ui->graphs_limits_max->value(), boxMax);
    }

    void range_box_typed_by_keyboard()
    {
        w->host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w->host));
        show_values(*w, {1, 2, 3, 4, 5});
        QDoubleSpinBox *box = ui->graphs_limits_min;
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "10");
        QTest::keyClick(box, Qt::Key_Return);
        expect_value_range(10, 11);
        QCOMPARE(ui->graphs_limits_max->value(), 11.0);
    }

    void zoom_and_drag_are_mirrored()
    {
        w->host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w->host));
        show_values(*w, {1, 2, 3, 4, 5});
        const QCPRange keys = ui->graph->xAxis->range();
        const QCPRange values = ui->graph->yAxis->range();

        wheel(ui->diagram, 1);
        QVERIFY(ui->graph->xAxis->range().size() < keys.size());
        QVERIFY(same_range(ui->graph->xAxis->range(), ui->diagram->xAxis->range()));
        QVERIFY(same_range(ui->graph->yAxis->range(), values));

        const QCPRange zoomedKeys = ui->graph->xAxis->range();
        drag(ui->graph, QPoint(-40, 30));
        QVERIFY(ui->diagram->xAxis->range().lower > zoomedKeys.lower);
        QVERIFY(ui->diagram->yAxis->range().lower > values.lower);
        QVERIFY(same_range(ui->graph->xAxis->range(), ui->diagram->xAxis->range()));
        QVERIFY(same_range(ui->graph->yAxis->range(), ui->diagram->yAxis->range()));
        QCOMPARE(ui->graphs_limits_min->value(), QString::number(ui->graph->yAxis->range().lower, 'f', 1).toDouble());
        QCOMPARE(ui->graphs_limits_max->value(), QString::number(ui->graph->yAxis->range().upper, 'f', 1).toDouble());
    }

    void replots()
    {
        QSignalSpy graphReplots(ui->graph, &QCustomPlot::afterReplot);
        QSignalSpy diagramReplots(ui->diagram, &QCustomPlot::afterReplot);

        // Drawing a block shows once per plot, with its limit lines.
        set_limits(*w, 0.0, 5.0, true);
        set_blocks(*w, {Block("block", {1, 2, 3})});
        graphReplots.clear();
        diagramReplots.clear();
        show_block(*w, 0);
        QCOMPARE(graphReplots.count(), 1);
        QCOMPARE(diagramReplots.count(), 1);

        // Every range change still replots both.
        ui->diagram->xAxis->setRange(0.5, 2.5);
        QCOMPARE(graphReplots.count(), 2);
        QCOMPARE(diagramReplots.count(), 2);
        type_limit(ui->graphs_limits_max, 9);
        QCOMPARE(graphReplots.count(), 3);
        QCOMPARE(diagramReplots.count(), 3);

        // Without a block to redraw, the check box replots (before moving the lines).
        ui->block_names_list->setCurrentRow(-1);
        ui->set_limits_checkbox->setChecked(false);
        QCOMPARE(graphReplots.count(), 4);
        QCOMPARE(diagramReplots.count(), 4);
        // With one, the redraw is the replot that shows.
        ui->block_names_list->setCurrentRow(0);
        ui->set_limits_checkbox->setChecked(true);
        QCOMPARE(graphReplots.count(), 5);
        QCOMPARE(diagramReplots.count(), 5);
        QVERIFY(w->plots->plots()->graphMinLine()->visible());
    }

    void shift_zooms_the_value_axis()
    {
        w->host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w->host));
        show_values(*w, {1, 2, 3, 4, 5});
        const QCPRange keys = ui->graph->xAxis->range();
        const QCPRange values = ui->graph->yAxis->range();

        w->plots->setZoomOrientation(Qt::Vertical); // Shift held, as the window tells it
        QCOMPARE(ui->graph->axisRect()->rangeZoom(), Qt::Orientations(Qt::Vertical));
        QCOMPARE(ui->diagram->axisRect()->rangeZoom(), Qt::Orientations(Qt::Vertical));
        wheel(ui->graph, -1);
        QVERIFY(same_range(ui->graph->xAxis->range(), keys));
        QVERIFY(ui->diagram->yAxis->range().size() > values.size());
        QVERIFY(same_range(ui->graph->yAxis->range(), ui->diagram->yAxis->range()));
        QVERIFY(ui->graphs_limits_max->value() > values.upper);

        w->plots->setZoomOrientation(Qt::Horizontal);
        QCOMPARE(ui->graph->axisRect()->rangeZoom(), Qt::Orientations(Qt::Horizontal));
        QCOMPARE(ui->diagram->axisRect()->rangeZoom(), Qt::Orientations(Qt::Horizontal));
    }
};

QTEST_MAIN(TestPlots)
#include "tst_plots.moc"
