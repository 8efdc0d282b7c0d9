-- The demo database that `make run` builds beside the program: a small shop.
PRAGMA foreign_keys = ON;

CREATE TABLE categories (
    category_id INTEGER PRIMARY KEY,
    name VARCHAR(40) NOT NULL,
    description TEXT
);

CREATE TABLE products (
    product_id INTEGER PRIMARY KEY,
    category_id INTEGER NOT NULL REFERENCES categories (category_id),
    name VARCHAR(80) NOT NULL,
    unit_price NUMERIC(10,2) NOT NULL,
    in_stock BOOLEAN NOT NULL DEFAULT 1
);

CREATE TABLE customers (
    customer_id INTEGER PRIMARY KEY,
    first_name VARCHAR(40) NOT NULL,
    last_name VARCHAR(40) NOT NULL,
    email VARCHAR(120) UNIQUE,
    city VARCHAR(60),
    created_on DATE
);

CREATE TABLE orders (
    order_id INTEGER PRIMARY KEY,
    customer_id INTEGER NOT NULL REFERENCES customers (customer_id),
    order_date TIMESTAMP NOT NULL,
    status VARCHAR(12) NOT NULL DEFAULT 'open'
);

CREATE TABLE order_lines (
    order_id INTEGER NOT NULL REFERENCES orders (order_id),
    line_no INTEGER NOT NULL,
    product_id INTEGER NOT NULL REFERENCES products (product_id),
    quantity INTEGER NOT NULL,
    unit_price NUMERIC(10,2) NOT NULL,
    PRIMARY KEY (order_id, line_no)
);
CREATE INDEX ix_order_lines_product ON order_lines (product_id);

CREATE VIEW order_totals AS
    SELECT o.order_id, c.last_name, o.order_date, SUM(l.quantity * l.unit_price) AS total
    FROM orders o
    JOIN customers c ON c.customer_id = o.customer_id
    JOIN order_lines l ON l.order_id = o.order_id
    GROUP BY o.order_id, c.last_name, o.order_date;

INSERT INTO categories VALUES (1, 'Stationery', 'Pens, paper and folders');
INSERT INTO categories VALUES (2, 'Books', 'Printed books');
INSERT INTO categories VALUES (3, 'Games', 'Board and card games');

INSERT INTO products VALUES (1, 1, 'Fountain pen', 24.90, 1);
INSERT INTO products VALUES (2, 1, 'A5 notebook', 4.50, 1);
INSERT INTO products VALUES (3, 2, 'A field guide to mosses', 18.00, 1);
INSERT INTO products VALUES (4, 3, 'Chess set', 35.00, 0);
INSERT INTO products VALUES (5, 3, 'Card deck', 3.20, 1);

INSERT INTO customers VALUES (1, 'Ada', 'Byron', 'ada@example.org', 'London', '2023-01-15');
INSERT INTO customers VALUES (2, 'Brian', 'Kerr', 'brian@example.org', 'Glasgow', '2023-03-02');
INSERT INTO customers VALUES (3, 'Chloe', 'Martin', NULL, 'Lyon', '2024-06-20');

INSERT INTO orders VALUES (1, 1, '2024-05-01 10:15:00', 'shipped');
INSERT INTO orders VALUES (2, 2, '2024-05-03 16:40:00', 'open');
INSERT INTO orders VALUES (3, 1, '2024-06-11 09:05:00', 'open');

INSERT INTO order_lines VALUES (1, 1, 1, 1, 24.90);
INSERT INTO order_lines VALUES (1, 2, 2, 3, 4.50);
INSERT INTO order_lines VALUES (2, 1, 4, 1, 35.00);
INSERT INTO order_lines VALUES (3, 1, 3, 2, 18.00);
INSERT INTO order_lines VALUES (3, 2, 5, 4, 3.20);
