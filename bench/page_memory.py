#!/usr/bin/env python3
"""Prints what the program's page holds, through WebEngine's DevTools port
(the program started with QTWEBENGINE_REMOTE_DEBUGGING=<port>): V8's own
heap in use (performance.memory counts the WebAssembly memories in it too),
the WebAssembly memories alive and their size, the sound contexts open and
those alive in all (Ruffle keeps every context it made, closed, with its
player's sound mixer), and the players in the page, as
"heap-MB wasm-count wasm-MB contexts-open contexts-alive players".
Argument: the port."""
import base64
import json
import os
import socket
import struct
import sys
import urllib.request


class DevTools:
    """A minimal WebSocket client for one DevTools target."""

    def __init__(self, url):
        rest = url.split("://", 1)[1]
        host_port, path = rest.split("/", 1)
        host, port = host_port.split(":")
        self.sock = socket.create_connection((host, int(port)), timeout=30)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET /{path} HTTP/1.1\r\nHost: {host_port}\r\n"
                           "Upgrade: websocket\r\nConnection: Upgrade\r\n"
                           f"Sec-WebSocket-Key: {key}\r\nSec-WebSocket-Version: 13\r\n\r\n")
                          .encode())
        answer = b""
        while b"\r\n\r\n" not in answer:
            answer += self.sock.recv(1)
        if b" 101 " not in answer.split(b"\r\n", 1)[0]:
            raise RuntimeError("the DevTools target refused the connection")
        self.next_id = 0

    def _exactly(self, count):
        data = b""
        while len(data) < count:
            chunk = self.sock.recv(count - len(data))
            if not chunk:
                raise RuntimeError("the DevTools connection closed")
            data += chunk
        return data

    def _send(self, text):
        payload = text.encode()
        header = bytes([0x81])
        mask = os.urandom(4)
        if len(payload) < 126:
            header += bytes([0x80 | len(payload)])
        elif len(payload) < 65536:
            header += bytes([0x80 | 126]) + struct.pack(">H", len(payload))
        else:
            header += bytes([0x80 | 127]) + struct.pack(">Q", len(payload))
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
        self.sock.sendall(header + mask + masked)

    def _receive(self):
        text = b""
        while True:
            first, second = self._exactly(2)
            length = second & 0x7F
            if length == 126:
                length = struct.unpack(">H", self._exactly(2))[0]
            elif length == 127:
                length = struct.unpack(">Q", self._exactly(8))[0]
            text += self._exactly(length)
            if first & 0x80:
                return json.loads(text)

    def call(self, method, **params):
        self.next_id += 1
        self._send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = self._receive()
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message["result"]

    def value(self, expression):
        return self.call("Runtime.evaluate", expression=expression,
                         returnByValue=True)["result"].get("value")

    def instances(self, prototype, summary):
        """`summary` (a function of the array of live objects) of the objects
        whose prototype is `prototype`."""
        proto = self.call("Runtime.evaluate", expression=prototype)["result"]["objectId"]
        found = self.call("Runtime.queryObjects", prototypeObjectId=proto)["objects"]["objectId"]
        return self.call("Runtime.callFunctionOn", objectId=found, functionDeclaration=summary,
                         returnByValue=True)["result"]["value"]


def main():
    port = sys.argv[1]
    targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json", timeout=30))
    page = next(t for t in targets if t.get("type") == "page")
    tools = DevTools(page["webSocketDebuggerUrl"])
    tools.call("HeapProfiler.collectGarbage")
    heap = tools.call("Runtime.getHeapUsage")["usedSize"]
    wasm = tools.instances("WebAssembly.Memory.prototype",
                           "function () { return [this.length,"
                           " this.reduce((s, m) => s + m.buffer.byteLength, 0)]; }")
    contexts = tools.instances("AudioContext.prototype",
                               "function () { return [this.filter((c) => c.state !== 'closed')"
                               ".length, this.length]; }")
    players = tools.value("document.querySelectorAll('ruffle-player').length")
    print(f"{heap / 2**20:.1f} {wasm[0]} {wasm[1] / 2**20:.1f} {contexts[0]} {contexts[1]} {players}")


if __name__ == "__main__":
    main()
