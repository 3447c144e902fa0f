/*
 * Tooltips and folding boxes of the generated pages.
 *
 * A page declares its tooltip block after this file: the element "ZQtooltip",
 * the offsets toolTipDefaultOffsetX, toolTipDefaultOffsetY and
 * toolTipDefaultOffsetY_WTA, the array Text of [title, body] pairs, and
 * "document.onmousemove = moveToolTip". Marked words carry
 *   onMouseover="ShowTip(Text[n])" onMouseout="HideTip(event)".
 * The parent-links bar of a page folds its box with Toggle(this, RelativePathToImg).
 *
 * The same file is published as "Tooltip.js" and "tooltip.js".
 */

// "Text" is also the name of a browser class: keep only a real array.
var Text = window.Text instanceof Array ? window.Text : [];
var enabletip = false;

var TolvaneTip = {
    mouseX: 0,
    mouseY: 0,
    shown: false,

    setting: function (name, fallback) {
        var value = window[name];
        return typeof value === "number" && !isNaN(value) ? value : fallback;
    },

    element: function () {
        var el = document.getElementById("ZQtooltip");
        if (!el && document.body) {
            el = document.createElement("div");
            el.id = "ZQtooltip";
            document.body.appendChild(el);
        }
        if (el && !el.getAttribute("data-ready")) {
            el.setAttribute("data-ready", "1");
            el.setAttribute("role", "tooltip");
            el.style.position = "absolute";
            el.style.zIndex = "1000";
            el.style.left = "-2000px";
            el.style.top = "0px";
            el.style.visibility = "hidden";
            if (window.getComputedStyle && getComputedStyle(el).maxWidth === "none") {
                el.style.maxWidth = "26em";
            }
        }
        return el;
    },

    place: function () {
        var el = this.element();
        if (!el || !this.shown) {
            return;
        }
        var root = document.documentElement;
        var viewW = root.clientWidth || window.innerWidth;
        var viewH = root.clientHeight || window.innerHeight;
        var scrollX = window.pageXOffset || root.scrollLeft || 0;
        var scrollY = window.pageYOffset || root.scrollTop || 0;
        var w = el.offsetWidth;
        var h = el.offsetHeight;
        var mx = this.mouseX;
        var my = this.mouseY;
        var x = mx + this.setting("toolTipDefaultOffsetX", -80);
        var y = my + this.setting("toolTipDefaultOffsetY", 20);

        // No room below the pointer: show the tip above it.
        if (y + h > scrollY + viewH) {
            y = my - h - this.setting("toolTipDefaultOffsetY_WTA", 5);
        }
        // No room above either (a short frame such as the banner): keep it in
        // the view and move it beside the pointer instead.
        if (y < scrollY) {
            y = Math.max(scrollY, Math.min(y, scrollY + viewH - h));
            if (my >= y && my <= y + h) {
                x = mx + 16 + w <= scrollX + viewW ? mx + 16 : mx - w - 16;
            }
        }
        x = Math.max(scrollX + 2, Math.min(x, scrollX + viewW - w - 2));
        el.style.left = Math.round(x) + "px";
        el.style.top = Math.round(y) + "px";
        el.style.visibility = "visible";
    }
};

// Shows one entry of Text: [title, body] (a plain text is shown as the body).
function ShowTip(entry) {
    if (entry === undefined || entry === null) {
        return;
    }
    var el = TolvaneTip.element();
    if (!el) {
        return;
    }
    var title = "";
    var body = "";
    if (entry instanceof Array) {
        title = entry[0] || "";
        body = entry.length > 1 ? entry[1] || "" : "";
    } else {
        body = String(entry);
    }
    el.innerHTML = (title ? '<div class="tipTitle">' + title + "</div>" : "") +
        (body ? '<div class="tipBody">' + body + "</div>" : "");
    if (!title && !body) {
        return;
    }
    el.style.visibility = "hidden";
    el.style.display = "block";
    TolvaneTip.shown = true;
    enabletip = true;
    TolvaneTip.place();
}

function HideTip(e) {
    var el = document.getElementById("ZQtooltip");
    TolvaneTip.shown = false;
    enabletip = false;
    if (el) {
        el.style.visibility = "hidden";
        el.style.left = "-2000px";
    }
}

// Follows the pointer; pages install it as document.onmousemove.
function moveToolTip(e) {
    e = e || window.event;
    if (!e) {
        return;
    }
    if (typeof e.pageX === "number") {
        TolvaneTip.mouseX = e.pageX;
        TolvaneTip.mouseY = e.pageY;
    } else {
        var root = document.documentElement;
        TolvaneTip.mouseX = e.clientX + (root.scrollLeft || 0);
        TolvaneTip.mouseY = e.clientY + (root.scrollTop || 0);
    }
    if (TolvaneTip.shown) {
        TolvaneTip.place();
    }
}

/*
 * Folding boxes: a link with a plus/minus picture followed, in the same cell,
 * by the DIV that it opens and closes.
 */
var TolvaneFold = {
    boxOf: function (link) {
        var node = link ? link.nextSibling : null;
        while (node) {
            if (node.nodeType === 1 && node.tagName === "DIV") {
                return node;
            }
            node = node.nextSibling;
        }
        return null;
    },

    isOpen: function (box) {
        return box.style.display !== "none";
    },

    setOpen: function (link, open, imgPath) {
        var box = this.boxOf(link);
        if (!box) {
            return;
        }
        box.style.display = open ? "block" : "none";
        var pictures = link.getElementsByTagName("img");
        for (var i = 0; i < pictures.length; i++) {
            var src = pictures[i].getAttribute("src") || "";
            if (/(plus|minus)\.gif$/i.test(src)) {
                var folder = src.replace(/(plus|minus)\.gif$/i, "");
                if (!folder && typeof imgPath === "string") {
                    folder = imgPath;
                }
                pictures[i].setAttribute("src", folder + (open ? "minus.gif" : "plus.gif"));
                break;
            }
        }
        link.setAttribute("aria-expanded", open ? "true" : "false");
    },

    toggle: function (link, imgPath) {
        var box = this.boxOf(link);
        if (box) {
            this.setOpen(link, !this.isOpen(box), imgPath);
        }
    }
};

// Opens or closes the box of places where the item stands (parent-links bar).
function Toggle(link, imgPath) {
    TolvaneFold.toggle(link, imgPath);
}

/*
 * Requests from the banner frame, which may not reach this page directly when
 * the site is opened from disk: print the page, or tell its address.
 */
if (!window.TolvanePageListener) {
    window.TolvanePageListener = function (event) {
        var data = event.data;
        if (!data || data.tolvane !== "page") {
            return;
        }
        if (data.action === "print") {
            window.print();
        } else if (data.action === "address" && event.source) {
            event.source.postMessage({ tolvane: "address", href: window.location.href, title: document.title }, "*");
        }
    };
    if (window.addEventListener) {
        window.addEventListener("message", window.TolvanePageListener, false);
    }
}

// Pages that load this file late (after their tooltip block) still follow the pointer.
if (!document.onmousemove) {
    document.onmousemove = moveToolTip;
}
if (window.addEventListener) {
    window.addEventListener("blur", function () { HideTip(); }, false);
}
