#!/usr/bin/env python3
"""A StatusNotifierItem host of the tests' own, on the session bus.

  sni_host.py host RECORD       owns org.kde.StatusNotifierWatcher, says a host
                                is registered, and appends each item that
                                registers to RECORD as "service path"
  sni_host.py call METHOD RECORD
                                calls Activate, ContextMenu or SecondaryActivate
                                on the item registered last, as a panel does
                                on a click
  sni_host.py pixmaps RECORD DIR
                                prints the size ("WxH") of each pixmap the item
                                registered last offers as its icon, and writes
                                each to DIR as sni-icon-WxH.png

The host vanishes when it is killed and comes back when it is started again.
"""
import asyncio
import signal
import struct
import sys
import zlib

from dbus_next import BusType, Message, MessageFlag
from dbus_next.aio import MessageBus
from dbus_next.constants import PropertyAccess
from dbus_next.service import ServiceInterface, dbus_property, method, signal as dbus_signal

WATCHER = "org.kde.StatusNotifierWatcher"


class Watcher(ServiceInterface):
    def __init__(self, record):
        super().__init__(WATCHER)
        self.record = record
        self.items = []

    @method()
    def RegisterStatusNotifierItem(self, service: "s"):  # noqa: F821
        # Qt passes its own bus name; a path alone means the sender's object.
        sender = self.current_sender
        path = "/StatusNotifierItem"
        if service.startswith("/"):
            service, path = sender, service
        self.items.append(f"{service}{path}")
        with open(self.record, "a", encoding="utf-8") as out:
            out.write(f"{service} {path}\n")
        self.StatusNotifierItemRegistered(f"{service}{path}")

    @method()
    def RegisterStatusNotifierHost(self, service: "s"):  # noqa: F821
        pass

    @dbus_property(access=PropertyAccess.READ)
    def RegisteredStatusNotifierItems(self) -> "as":  # noqa: F821
        return self.items

    @dbus_property(access=PropertyAccess.READ)
    def IsStatusNotifierHostRegistered(self) -> "b":  # noqa: F821
        return True

    @dbus_property(access=PropertyAccess.READ)
    def ProtocolVersion(self) -> "i":  # noqa: F821
        return 0

    @dbus_signal()
    def StatusNotifierItemRegistered(self, item) -> "s":  # noqa: F821
        return item

    @dbus_signal()
    def StatusNotifierHostRegistered(self):
        pass


async def host(record):
    bus = await MessageBus(bus_type=BusType.SESSION).connect()
    watcher = Watcher(record)

    # dbus-next hands the sender to a method only through the message; keep it at hand.
    def remember_sender(msg):
        watcher.current_sender = msg.sender
        return None

    bus.add_message_handler(remember_sender)
    bus.export("/StatusNotifierWatcher", watcher)
    await bus.request_name(WATCHER)
    stop = asyncio.Event()
    loop = asyncio.get_running_loop()
    loop.add_signal_handler(signal.SIGTERM, stop.set)
    await stop.wait()


async def call(member, record):
    with open(record, encoding="utf-8") as f:
        service, path = f.read().split("\n")[-2].split()
    bus = await MessageBus(bus_type=BusType.SESSION).connect()
    # A panel does not wait for the answer: the item may answer a context-menu
    # request only once its menu has closed.
    await bus.send(Message(destination=service, path=path,
                           interface="org.kde.StatusNotifierItem", member=member,
                           signature="ii", body=[400, 590],
                           flags=MessageFlag.NO_REPLY_EXPECTED))
    bus.disconnect()


def write_png(path, width, height, argb):
    """An 8-bit RGBA PNG of the item's ARGB32 pixels (network byte order)."""
    rows = b""
    for y in range(height):
        rows += b"\0"
        for x in range(width):
            a, r, g, b = argb[(y * width + x) * 4:(y * width + x) * 4 + 4]
            rows += bytes((r, g, b, a))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


async def pixmaps(record, folder):
    with open(record, encoding="utf-8") as f:
        service, path = f.read().split("\n")[-2].split()
    bus = await MessageBus(bus_type=BusType.SESSION).connect()
    reply = await bus.call(Message(destination=service, path=path,
                                   interface="org.freedesktop.DBus.Properties", member="Get",
                                   signature="ss", body=["org.kde.StatusNotifierItem", "IconPixmap"]))
    bus.disconnect()
    for width, height, argb in reply.body[0].value:
        print(f"{width}x{height}")
        write_png(f"{folder}/sni-icon-{width}x{height}.png", width, height, argb)


if __name__ == "__main__":
    if sys.argv[1] == "host":
        asyncio.run(host(sys.argv[2]))
    elif sys.argv[1] == "pixmaps":
        asyncio.run(pixmaps(sys.argv[2], sys.argv[3]))
    else:
        asyncio.run(call(sys.argv[2], sys.argv[3]))
