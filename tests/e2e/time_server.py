"""A local HTTP server on 127.0.0.1 that stands in as the proxy for the time page.

It records each request (the request line with its absolute URI, and the headers) and answers
with the page the test has set: status, body, and an optional pause after the first bytes of
the body, so that the response begins well before it ends.
"""
import http.server
import socket
import threading


class TimeServer:
    def __init__(self):
        self.status = 200
        self.body = b""
        self.pause_after_headers = 0.0
        self.requests = []  # (request line, {header: value})
        self._lock = threading.Lock()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def do_GET(self):
                with server._lock:
                    server.requests.append((self.requestline, dict(self.headers.items())))
                    status, body, pause = server.status, server.body, server.pause_after_headers
                try:
                    self.send_response(status)
                    self.send_header("Content-Type", "text/html; charset=iso-8859-1")
                    self.send_header("Content-Length", str(len(body)))
                    self.end_headers()
                    head, rest = body[:16], body[16:]
                    self.wfile.write(head)
                    self.wfile.flush()
                    if pause:
                        threading.Event().wait(pause)
                    for i in range(0, len(rest), 65536):
                        self.wfile.write(rest[i:i + 65536])
                except (BrokenPipeError, ConnectionResetError):
                    pass  # the client stops reading once it has what it needs

            def log_message(self, *args):
                pass

        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self._server.daemon_threads = True
        self.port = self._server.server_address[1]
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()

    @property
    def proxy(self):
        return f"http://127.0.0.1:{self.port}"

    def close(self):
        self._server.shutdown()
        self._server.server_close()
        self._thread.join()


def refused_proxy():
    """A proxy address on 127.0.0.1 where nothing listens."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    return f"http://127.0.0.1:{port}"
