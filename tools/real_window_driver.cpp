#include "real_window_driver.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <arpa/inet.h>
#include <cmath>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace xdo {

static void run(const QStringList &args) { QProcess::execute("xdotool", args); }
static void moveTo(QPoint p) {
    run({"mousemove", QString::number(p.x()), QString::number(p.y())});
}

QPoint Field::toScreen(double x, double y) const {
    const double r = double(size.width()) / size.height();
    return origin + QPoint(int(std::floor((x + 1000) / 2000 * size.width())),
                           int(std::floor((y * r + 1000) / 2000 * size.height())));
}

bool available() {
    return QGuiApplication::platformName() == QLatin1String("xcb")
           && !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

void click(QPoint p, int button) {
    moveTo(p);
    run({"click", QString::number(button)});
}

void drag(QPoint from, QPoint to, int button) {
    moveTo(from);
    run({"mousedown", QString::number(button)});
    for (int i = 1; i <= 4; ++i)  // a few steps, as a hand would move
        moveTo(from + (to - from) * i / 4);
    run({"mouseup", QString::number(button)});
}

QRect windowRect(const QString &caption) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", caption,
                                        "getwindowgeometry", "--shell"});
    p.waitForFinished(10000);
    QRect r(-1, -1, 0, 0);
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        const int v = line.mid(line.indexOf('=') + 1).toInt();
        if (line.startsWith("X="))
            r.moveLeft(v);
        else if (line.startsWith("Y="))
            r.moveTop(v);
        else if (line.startsWith("WIDTH="))
            r.setWidth(v);
        else if (line.startsWith("HEIGHT="))
            r.setHeight(v);
    }
    return r;
}

QPoint windowAt(const QString &caption) { return windowRect(caption).topLeft(); }

QImage screen() {
    QTest::qWait(300);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

void focus(const QString &caption) {
    run({"search", "--sync", "--onlyvisible", "--name", caption, "windowfocus", "--sync"});
    QTest::qWait(200);
}

namespace {

// OSC: strings end in a zero and are padded to four bytes; numbers are big-endian.
void putString(QByteArray &b, const char *s) {
    b.append(s, qsizetype(std::strlen(s)) + 1);
    while (b.size() % 4)
        b.append('\0');
}
void putInt(QByteArray &b, qint32 v) {
    const quint32 n = htonl(quint32(v));
    b.append(reinterpret_cast<const char *>(&n), 4);
}
void putFloat(QByteArray &b, float v) {
    quint32 u;
    std::memcpy(&u, &v, 4);
    putInt(b, qint32(u));
}
void putMessage(QByteArray &bundle, const QByteArray &message) {
    putInt(bundle, qint32(message.size()));
    bundle.append(message);
}

}  // namespace

TuioFinger::TuioFinger(int port) : socket_(::socket(AF_INET, SOCK_DGRAM, 0)), port_(port) {}

TuioFinger::~TuioFinger() { ::close(socket_); }

void TuioFinger::send(QPointF relative, bool alive) {
    constexpr qint32 id = 1;
    QByteArray bundle;
    putString(bundle, "#bundle");
    putInt(bundle, 0);  // time tag: at once
    putInt(bundle, 1);
    // A /tuio/2Dcur message: its type tags, its command and the numbers after it.
    const auto add = [&](const char *types, const char *command, std::initializer_list<qint32> ints,
                         std::initializer_list<float> floats) {
        QByteArray m;
        putString(m, "/tuio/2Dcur");
        putString(m, types);
        putString(m, command);
        for (qint32 v : ints)
            putInt(m, v);
        for (float v : floats)
            putFloat(m, v);
        putMessage(bundle, m);
    };
    if (alive) {
        add(",si", "alive", {id}, {});
        add(",sifffff", "set", {id}, {float(relative.x()), float(relative.y()), 0, 0, 0});
    } else {
        add(",s", "alive", {}, {});
    }
    add(",si", "fseq", {++frame_}, {});
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(quint16(port_));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::sendto(socket_, bundle.constData(), size_t(bundle.size()), 0,
             reinterpret_cast<const sockaddr *>(&to), sizeof to);
    QTest::qWait(60);
}

}  // namespace xdo
